// The blur as it was first written, kept as the measure of the fast paths.
#include "raster/blur.h"
#include "raster/blur_p.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace lg::blur_detail {

namespace {

// The four channels of a pixel in four 16-bit lanes (blue lowest), so one
// 64-bit addition updates all four sliding sums. A window sum is at most
// k * 255 <= 65535 for r <= kMaxBlurRadius, so no lane spills into the
// next; adding before subtracting keeps every lane from going below zero.
inline std::uint64_t Spread(std::uint32_t p) {
    return (p & 0xFFu) | (std::uint64_t{p & 0xFF00u} << 8) | (std::uint64_t{p & 0xFF0000u} << 16) |
           (std::uint64_t{p & 0xFF000000u} << 24);
}

// The four lanes' averages as a pixel.
inline std::uint32_t Average(const std::uint8_t* dv, std::uint64_t s) {
    return std::uint32_t{dv[s >> 48]} << 24 | std::uint32_t{dv[(s >> 32) & 0xFFFF]} << 16 |
           std::uint32_t{dv[(s >> 16) & 0xFFFF]} << 8 | dv[s & 0xFFFF];
}

}  // namespace

void BoxBlurReference(TBitmap32& bmp, int r) {
    const TRect clip = bmp.ClipRect();
    const int w = clip.Width(), h = clip.Height();
    if (r <= 0 || clip.IsEmpty()) return;
    r = std::min(r, kMaxBlurRadius);
    const int wm = w - 1, hm = h - 1, k = 2 * r + 1;

    // dv[i] = i div k for every sum of k channel values.
    std::vector<std::uint8_t> dv(static_cast<std::size_t>(k) * 256);
    for (std::size_t i = 0; i < dv.size(); ++i) dv[i] = static_cast<std::uint8_t>(i / k);

    // The row averages of the four channels. They are bytes, so the four
    // planes are kept interleaved in one word per pixel, like the pixels:
    // 4 bytes a pixel rather than 16 for four integer planes, which matters
    // for a blur over a whole multi-monitor capture.
    std::vector<std::uint32_t> planes(static_cast<std::size_t>(w) * h);
    std::vector<int> vmin(static_cast<std::size_t>(std::max(w, h)));
    std::vector<int> vmax(vmin.size());
    for (int x = 0; x < w; ++x) {
        vmin[x] = std::min(x + r + 1, wm);
        vmax[x] = std::max(x - r, 0);
    }

    // Rows: a window of k pixels slides right; the first pixel counts r + 1
    // times at the left edge, the last one likewise at the right.
    for (int y = 0; y < h; ++y) {
        const TColor32* src = bmp.PixelPtr(clip.Left, clip.Top + y);
        std::uint32_t* out = planes.data() + static_cast<std::size_t>(y) * w;
        std::uint64_t sum = 0;
        for (int i = -r; i <= r; ++i) sum += Spread(src[std::clamp(i, 0, wm)]);
        for (int x = 0; x < w; ++x) {
            out[x] = Average(dv.data(), sum);
            sum = sum + Spread(src[vmin[x]]) - Spread(src[vmax[x]]);
        }
    }

    // Columns: one sliding sum per column, all columns advanced a row at a
    // time so the planes are read in memory order. Rows beyond the top and
    // the bottom repeat the edge rows.
    for (int y = 0; y < h; ++y) {
        vmin[y] = std::min(y + r + 1, hm);
        vmax[y] = std::max(y - r, 0);
    }
    std::vector<std::uint64_t> sums(static_cast<std::size_t>(w), 0);
    for (int i = -r; i <= r; ++i) {
        const std::uint32_t* row =
            planes.data() + static_cast<std::size_t>(std::clamp(i, 0, hm)) * w;
        for (int x = 0; x < w; ++x) sums[x] += Spread(row[x]);
    }
    for (int y = 0; y < h; ++y) {
        TColor32* dst = bmp.PixelPtr(clip.Left, clip.Top + y);
        for (int x = 0; x < w; ++x) dst[x] = Average(dv.data(), sums[x]);
        const std::uint32_t* add = planes.data() + static_cast<std::size_t>(vmin[y]) * w;
        const std::uint32_t* sub = planes.data() + static_cast<std::size_t>(vmax[y]) * w;
        for (int x = 0; x < w; ++x) sums[x] = sums[x] + Spread(add[x]) - Spread(sub[x]);
    }
}

}  // namespace lg::blur_detail
