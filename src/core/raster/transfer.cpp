// TBitmap32::Draw: 1:1 transfers in the three draw modes.
#include <algorithm>
#include <array>
#include <cstring>
#include <optional>

#include "raster/bitmap32.h"
#include "raster/blend_p.h"
#include "raster/transfer_p.h"
#include "simd/dispatch.h"

namespace lg {

namespace {

// Master alpha applied to every source alpha: W = round(a * m / 255).
std::array<std::uint8_t, 256> WeightTable(std::uint32_t master) {
    std::array<std::uint8_t, 256> t{};
    for (std::uint32_t a = 0; a < 256; ++a) t[a] = static_cast<std::uint8_t>(ScaleAlpha(a, master));
    return t;
}

}  // namespace

namespace transfer_detail {

// Every source pixel blended with W = its alpha scaled by the master
// alpha. The blend formula gives B exactly at W = 0 by itself; only
// W = 255 needs picking F, done with a mask, so the loop has no branch and
// no table and the compiler can run it on vector registers.
void BlendRowPortable(TColor32* d, const TColor32* s, int n, std::uint32_t master) {
    for (int i = 0; i < n; ++i) {
        // Weight 0 leaves the destination as it is: the draw bitmap is
        // mostly clear, and the view blends all of it over the capture.
        if (s[i] < 0x01000000u) continue;
        const std::uint32_t f = s[i], b = d[i], w = ScaleAlpha(f >> 24, master), iw = 256 - w;
        // Weight 255 gives the source exactly (as below, without the sums).
        if (w == 255) {
            d[i] = f;
            continue;
        }
        const std::uint32_t rb =
            (((b & 0x00FF00FFu) * iw + (f & 0x00FF00FFu) * w + 0x00800080u) >> 8) & 0x00FF00FFu;
        const std::uint32_t ag =
            (((b >> 8) & 0x00FF00FFu) * iw + ((f >> 8) & 0x00FF00FFu) * w + 0x00800080u) &
            0xFF00FF00u;
        const std::uint32_t mixed = rb | ag, opaque = 0u - static_cast<std::uint32_t>(w == 255);
        d[i] = mixed ^ ((mixed ^ f) & opaque);
    }
}

}  // namespace transfer_detail

namespace {

// Every source pixel blended with W = its alpha scaled by the master alpha.
void BlendRow(TColor32* d, const TColor32* s, int n, std::uint32_t master) {
    // The usual case (no master alpha: the view's draw layer) four pixels
    // at a time where the processor can.
    if (master == 255 && simd::HasSse2()) {
        transfer_detail::BlendRowOpaqueMasterSse2(d, s, n);
    } else {
        transfer_detail::BlendRowPortable(d, s, n, master);
    }
}

void TransferRow(TColor32* d, const TColor32* s, int n, const TBitmap32& src,
                 const std::array<std::uint8_t, 256>& weights) {
    switch (src.DrawMode()) {
        case dmOpaque:
            std::memmove(d, s, static_cast<std::size_t>(n) * sizeof(TColor32));
            break;
        case dmTransparent: {
            const TColor32 outer = src.OuterColor();
            for (int i = 0; i < n; ++i) {
                if (s[i] != outer) d[i] = s[i];
            }
            break;
        }
        case dmBlend:
            if (src.CombineMode() == cmBlend) {
                BlendRow(d, s, n, src.MasterAlpha());
            } else {
                const MergeTables& t = GetMergeTables();
                for (int i = 0; i < n; ++i) {
                    const TColor32 f = WithAlpha(s[i], weights[s[i] >> 24]);
                    d[i] = MergeWith(t, f, d[i]);
                }
            }
            break;
    }
}

}  // namespace

void TBitmap32::Draw(int x, int y, const TBitmap32& src) {
    Draw(TRect{x, y, x + src.Width(), y + src.Height()}, src.BoundsRect(), src);
}

void TBitmap32::Draw(const TRect& dstRect, const TRect& srcRect, const TBitmap32& src) {
    if (dstRect.IsEmpty() || srcRect.IsEmpty() || Empty() || src.Empty()) return;
    // 1:1: the common size of both rectangles, at dstRect's top-left. 64-bit
    // so that rectangles near the int limits cannot overflow.
    const std::int64_t w = std::min<std::int64_t>(std::int64_t{dstRect.Right} - dstRect.Left,
                                                  std::int64_t{srcRect.Right} - srcRect.Left);
    const std::int64_t h = std::min<std::int64_t>(std::int64_t{dstRect.Bottom} - dstRect.Top,
                                                  std::int64_t{srcRect.Bottom} - srcRect.Top);
    // Source area within the source, then the destination area within the
    // clip rectangle; each cut shifts the other side by the same amount.
    std::int64_t sl = srcRect.Left, st = srcRect.Top, sr = sl + w, sb = st + h;
    std::int64_t dl = dstRect.Left, dt = dstRect.Top;
    auto cutLow = [](std::int64_t& lo, std::int64_t limit, std::int64_t& other) {
        if (lo < limit) {
            other += limit - lo;
            lo = limit;
        }
    };
    cutLow(sl, 0, dl);
    cutLow(st, 0, dt);
    sr = std::min<std::int64_t>(sr, src.Width());
    sb = std::min<std::int64_t>(sb, src.Height());
    cutLow(dl, clip_.Left, sl);
    cutLow(dt, clip_.Top, st);
    const std::int64_t cw = std::min(sr - sl, std::int64_t{clip_.Right} - dl);
    const std::int64_t ch = std::min(sb - st, std::int64_t{clip_.Bottom} - dt);
    if (cw <= 0 || ch <= 0) return;

    // Drawing a bitmap into itself: read from a copy, so no pixel is read
    // after it was written.
    std::optional<TBitmap32> self;
    const TBitmap32* from = &src;
    if (from == this) {
        self.emplace(src);
        from = &*self;
    }
    const auto weights = WeightTable(from->MasterAlpha());
    for (std::int64_t row = 0; row < ch; ++row) {
        TransferRow(PixelPtr(static_cast<int>(dl), static_cast<int>(dt + row)),
                    from->PixelPtr(static_cast<int>(sl), static_cast<int>(st + row)),
                    static_cast<int>(cw), *from, weights);
    }
}

}  // namespace lg
