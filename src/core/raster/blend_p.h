// Internal: the merge tables and the span loops that fills, transfers and
// the polygon filler share. Not for use outside src/core/raster.
#pragma once

#include <algorithm>
#include <cstdint>

#include "raster/blend.h"

namespace lg {

// Ra for every (Fa, Ba) and the colour weight w for every (Fa, Ra), so the
// merge rule needs no division per pixel.
struct MergeTables {
    std::uint8_t ra[256][256];
    std::uint8_t w[256][256];
};

const MergeTables& GetMergeTables();

inline TColor32 MergeWith(const MergeTables& t, TColor32 f, TColor32 b) {
    const std::uint32_t fa = f >> 24;
    if (fa == 0xFF) return f;
    if (fa == 0) return b;
    const std::uint32_t ba = b >> 24;
    if (ba == 0) return f;
    const std::uint32_t ra = t.ra[fa][ba];
    const std::uint32_t w = t.w[fa][ra];
    const std::uint32_t iw = 255 - w;
    const std::uint32_t r = (w * RedOf(f) + iw * RedOf(b) + 127) / 255;
    const std::uint32_t g = (w * GreenOf(f) + iw * GreenOf(b) + 127) / 255;
    const std::uint32_t bl = (w * BlueOf(f) + iw * BlueOf(b) + 127) / 255;
    return ra << 24 | r << 16 | g << 8 | bl;
}

// n pixels at p get f blended with the fixed weight w (0..255).
inline void BlendSpanConst(TColor32* p, int n, TColor32 f, std::uint32_t w) {
    if (w == 0 || n <= 0) return;
    if (w >= 255) {
        std::fill(p, p + n, f);
        return;
    }
    // Lane products of f are the same for every pixel; take them once.
    const std::uint32_t iw = 256 - w;
    const std::uint32_t frb = (f & 0x00FF00FFu) * w + 0x00800080u;
    const std::uint32_t fag = ((f >> 8) & 0x00FF00FFu) * w + 0x00800080u;
    for (int i = 0; i < n; ++i) {
        const std::uint32_t b = p[i];
        const std::uint32_t rb = (((b & 0x00FF00FFu) * iw + frb) >> 8) & 0x00FF00FFu;
        const std::uint32_t ag = (((b >> 8) & 0x00FF00FFu) * iw + fag) & 0xFF00FF00u;
        p[i] = rb | ag;
    }
}

// n pixels at p get f merged.
inline void MergeSpanConst(TColor32* p, int n, TColor32 f) {
    const std::uint32_t fa = f >> 24;
    if (fa == 0 || n <= 0) return;
    if (fa == 0xFF) {
        std::fill(p, p + n, f);
        return;
    }
    const MergeTables& t = GetMergeTables();
    for (int i = 0; i < n; ++i) p[i] = MergeWith(t, f, p[i]);
}

// The translucent-aware span: f with its own alpha, by the combine mode.
inline void CombineSpanConst(TColor32* p, int n, TColor32 f, TCombineMode mode) {
    if (mode == cmBlend)
        BlendSpanConst(p, n, f, f >> 24);
    else
        MergeSpanConst(p, n, f);
}

}  // namespace lg
