#include "raster/blur.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace lg {

void BoxBlur(TBitmap32& bmp, int r) {
    const TRect clip = bmp.ClipRect();
    const int w = clip.Width(), h = clip.Height();
    if (r <= 0 || clip.IsEmpty()) return;
    r = std::min(r, kMaxBlurRadius);
    const int wm = w - 1, hm = h - 1, k = 2 * r + 1;

    // dv[i] = i div k for every sum of k channel values.
    std::vector<std::uint32_t> dv(static_cast<std::size_t>(k) * 256);
    for (std::size_t i = 0; i < dv.size(); ++i) dv[i] = static_cast<std::uint32_t>(i / k);

    // The row averages of the four channels. They are bytes, so the four
    // planes are kept interleaved in one word per pixel, like the pixels.
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
        std::uint32_t sa = 0, sr = 0, sg = 0, sb = 0;
        for (int i = -r; i <= r; ++i) {
            const TColor32 p = src[std::clamp(i, 0, wm)];
            sa += p >> 24;
            sr += (p >> 16) & 0xFF;
            sg += (p >> 8) & 0xFF;
            sb += p & 0xFF;
        }
        for (int x = 0; x < w; ++x) {
            out[x] = dv[sa] << 24 | dv[sr] << 16 | dv[sg] << 8 | dv[sb];
            const TColor32 p1 = src[vmin[x]], p2 = src[vmax[x]];
            sa += (p1 >> 24) - (p2 >> 24);
            sr += ((p1 >> 16) & 0xFF) - ((p2 >> 16) & 0xFF);
            sg += ((p1 >> 8) & 0xFF) - ((p2 >> 8) & 0xFF);
            sb += (p1 & 0xFF) - (p2 & 0xFF);
        }
    }

    // Columns: one sliding sum per column, all columns advanced a row at a
    // time so the planes are read in memory order. Rows beyond the top and
    // the bottom repeat the edge rows.
    for (int y = 0; y < h; ++y) {
        vmin[y] = std::min(y + r + 1, hm);
        vmax[y] = std::max(y - r, 0);
    }
    std::vector<std::uint32_t> ca(w, 0), cr(w, 0), cg(w, 0), cb(w, 0);
    for (int i = -r; i <= r; ++i) {
        const std::uint32_t* row =
            planes.data() + static_cast<std::size_t>(std::clamp(i, 0, hm)) * w;
        for (int x = 0; x < w; ++x) {
            const std::uint32_t p = row[x];
            ca[x] += p >> 24;
            cr[x] += (p >> 16) & 0xFF;
            cg[x] += (p >> 8) & 0xFF;
            cb[x] += p & 0xFF;
        }
    }
    for (int y = 0; y < h; ++y) {
        TColor32* dst = bmp.PixelPtr(clip.Left, clip.Top + y);
        const std::uint32_t* add = planes.data() + static_cast<std::size_t>(vmin[y]) * w;
        const std::uint32_t* sub = planes.data() + static_cast<std::size_t>(vmax[y]) * w;
        for (int x = 0; x < w; ++x) {
            dst[x] = dv[ca[x]] << 24 | dv[cr[x]] << 16 | dv[cg[x]] << 8 | dv[cb[x]];
            const std::uint32_t p1 = add[x], p2 = sub[x];
            ca[x] += (p1 >> 24) - (p2 >> 24);
            cr[x] += ((p1 >> 16) & 0xFF) - ((p2 >> 16) & 0xFF);
            cg[x] += ((p1 >> 8) & 0xFF) - ((p2 >> 8) & 0xFF);
            cb[x] += (p1 & 0xFF) - (p2 & 0xFF);
        }
    }
}

}  // namespace lg
