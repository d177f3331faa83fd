#include "raster/bitmap32.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <string>
#include <utility>

#include "raster/blend_p.h"
#include "raster/raster_error.h"

namespace lg {

namespace {

// A zero-filled pixel buffer of w * h, or RasterError.
std::vector<TColor32> AllocatePixels(int w, int h) {
    const std::int64_t count = static_cast<std::int64_t>(w) * h;
    if (count > kMaxBitmapPixels) {
        throw RasterError("bitmap of " + std::to_string(w) + " x " + std::to_string(h) +
                          " pixels is too large");
    }
    try {
        return std::vector<TColor32>(static_cast<std::size_t>(count), 0u);
    } catch (const std::bad_alloc&) {
        throw RasterError("out of memory for a bitmap of " + std::to_string(w) + " x " +
                          std::to_string(h) + " pixels");
    } catch (const std::length_error&) {
        throw RasterError("bitmap of " + std::to_string(w) + " x " + std::to_string(h) +
                          " pixels is too large");
    }
}

// Index into a stipple pattern of n entries for a counter value.
std::size_t StippleIndex(double counter, std::size_t n) {
    double m = std::fmod(std::floor(counter), static_cast<double>(n));
    if (m < 0) m += static_cast<double>(n);
    return static_cast<std::size_t>(m) % n;
}

}  // namespace

TBitmap32::TBitmap32(int width, int height) {
    SetSize(width, height);
}

TBitmap32::TBitmap32(const TBitmap32& other)
    : width_(other.width_),
      height_(other.height_),
      clip_(other.clip_),
      outerColor_(other.outerColor_),
      masterAlpha_(other.masterAlpha_),
      drawMode_(other.drawMode_),
      combineMode_(other.combineMode_),
      resampler_(other.resampler_),
      font_(other.font_),
      stipple_(other.stipple_),
      stippleStep_(other.stippleStep_),
      stippleCounter_(other.stippleCounter_),
      textRasterizer_(other.textRasterizer_) {
    try {
        bits_ = other.bits_;
    } catch (const std::bad_alloc&) {
        throw RasterError("out of memory copying a bitmap");
    }
}

TBitmap32& TBitmap32::operator=(const TBitmap32& other) {
    if (this != &other) {
        TBitmap32 copy(other);
        *this = std::move(copy);
    }
    return *this;
}

void TBitmap32::SetSize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == width_ && height == height_) return;
    if (width == 0 || height == 0) {
        // Keep the empty size consistent: a 0 x 5 bitmap has no pixels.
        bits_.clear();
        bits_.shrink_to_fit();
    } else {
        bits_ = AllocatePixels(width, height);
    }
    width_ = width;
    height_ = height;
    clip_ = BoundsRect();
}

void TBitmap32::AdoptPixels(TBitmap32&& source) noexcept {
    if (&source == this) return;
    bits_ = std::move(source.bits_);
    width_ = std::exchange(source.width_, 0);
    height_ = std::exchange(source.height_, 0);
    clip_ = BoundsRect();
    source.bits_.clear();
    source.clip_ = source.BoundsRect();
}

TColor32 TBitmap32::PixelS(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return outerColor_;
    return *PixelPtr(x, y);
}

void TBitmap32::SetPixelS(int x, int y, TColor32 c) {
    if (x < clip_.Left || y < clip_.Top || x >= clip_.Right || y >= clip_.Bottom) return;
    *PixelPtr(x, y) = c;
}

void TBitmap32::SetPixelTS(int x, int y, TColor32 c) {
    if (x < clip_.Left || y < clip_.Top || x >= clip_.Right || y >= clip_.Bottom) return;
    TColor32* p = PixelPtr(x, y);
    *p = CombineTS(c, *p, combineMode_);
}

void TBitmap32::Clear(TColor32 c) {
    std::fill(bits_.begin(), bits_.end(), c);
}

void TBitmap32::FillRectTS(const TRect& r, TColor32 c) {
    if (r.IsEmpty() || AlphaOf(c) == 0) return;
    const TRect f = IntersectRect(r, clip_);
    if (f.IsEmpty()) return;
    const int n = f.Width();
    for (int y = f.Top; y < f.Bottom; ++y)
        CombineSpanConst(PixelPtr(f.Left, y), n, c, combineMode_);
}

TColor32 TBitmap32::StippleColorAt(std::int64_t index) const {
    const double counter = stippleCounter_ + stippleStep_ * static_cast<double>(index);
    return stipple_[StippleIndex(counter, stipple_.size())];
}

void TBitmap32::StippleRow(int y, int x1, int x2, std::int64_t index0, int dir) {
    // Pixels x1..x2 (x1 <= x2) of a walk whose pixel x has the index
    // index0 + dir * (x - x1); only the visible part is walked.
    if (y < clip_.Top || y >= clip_.Bottom) return;
    const int lo = std::max(x1, clip_.Left), hi = std::min(x2, clip_.Right - 1);
    for (int x = lo; x <= hi; ++x) {
        TColor32* p = PixelPtr(x, y);
        *p = CombineTS(StippleColorAt(index0 + dir * (std::int64_t{x} - x1)), *p, combineMode_);
    }
}

void TBitmap32::StippleColumn(int x, int y1, int y2, std::int64_t index0, int dir) {
    if (x < clip_.Left || x >= clip_.Right) return;
    const int lo = std::max(y1, clip_.Top), hi = std::min(y2, clip_.Bottom - 1);
    for (int y = lo; y <= hi; ++y) {
        TColor32* p = PixelPtr(x, y);
        *p = CombineTS(StippleColorAt(index0 + dir * (std::int64_t{y} - y1)), *p, combineMode_);
    }
}

void TBitmap32::HorzLineTSP(int x1, int y, int x2) {
    if (stipple_.empty()) return;
    if (x1 <= x2)
        StippleRow(y, x1, x2, 0, 1);
    else
        StippleRow(y, x2, x1, std::int64_t{x1} - x2, -1);
}

void TBitmap32::VertLineTSP(int x, int y1, int y2) {
    if (stipple_.empty()) return;
    if (y1 <= y2)
        StippleColumn(x, y1, y2, 0, 1);
    else
        StippleColumn(x, y2, y1, std::int64_t{y1} - y2, -1);
}

void TBitmap32::FrameRectTSP(const TRect& r) {
    if (r.IsEmpty() || stipple_.empty()) return;
    const int l = r.Left, t = r.Top, rr = r.Right - 1, b = r.Bottom - 1;
    const std::int64_t w = std::int64_t{rr} - l, h = std::int64_t{b} - t;
    // Walk indices: top l..rr is 0..w; right t+1..b is w+1..w+h; bottom
    // rr-1..l is w+h+1..2w+h; left b-1..t+1 is 2w+h+1..2w+2h-1.
    StippleRow(t, l, rr, 0, 1);
    if (h > 0) StippleColumn(rr, t + 1, b, w + 1, 1);
    // A one-row frame has no bottom of its own, a one-column one no left.
    if (h > 0 && w > 0) StippleRow(b, l, rr - 1, 2 * w + h, -1);
    if (w > 0 && h > 1) StippleColumn(l, t + 1, b - 1, 2 * w + 2 * h - 1, -1);
}

}  // namespace lg
