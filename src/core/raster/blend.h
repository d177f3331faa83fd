// The compositing rules: how one colour is put onto one pixel.
//
// Blend (cmBlend): every channel, alpha included, becomes
//     (256*B + (F - B)*W + 128) div 256
// with W the weight 0..255; W = 0 keeps B and W = 255 gives F exactly (the
// formula alone would leave F off by one there, so both ends are taken as
// they are). Blending "by F's alpha" means W = alpha of F. The destination
// alpha moves towards F's alpha like a colour channel.
//
// Merge (cmMerge): Porter-Duff "over" for straight alpha. With Fa, Ba the
// alphas: Fa = 255 gives F; Fa = 0 gives B; Ba = 0 gives F; otherwise
//     Ra = 255 - round((255 - Fa)(255 - Ba) / 255)
//     w  = round(255 * Fa / Ra)
//     channel = round((w*F + (255 - w)*B) / 255),  alpha = Ra
// where round() is to the nearest integer, halves upwards.
#pragma once

#include <cstdint>

#include "raster/color32.h"

namespace lg {

enum TCombineMode : std::uint8_t { cmBlend, cmMerge };

// The blend rule for one byte, 1 <= w <= 254 (the ends are special, see above).
constexpr std::uint32_t BlendChannel(std::uint32_t f, std::uint32_t b, std::uint32_t w) {
    return (256 * b + (f - b) * w + 128) >> 8;  // unsigned wrap cancels: the sum is >= 0
}

// F onto B with weight w (0..255), all four channels at once: the red/blue
// and alpha/green pairs each sit in 16-bit lanes of one 32-bit word.
// b*(256-w) + f*w + 128 <= 255*256 + 128 < 65536, so no lane carries into
// the next.
constexpr TColor32 BlendWeighted(TColor32 f, TColor32 b, std::uint32_t w) {
    if (w == 0) return b;
    if (w >= 255) return f;
    const std::uint32_t iw = 256 - w;
    const std::uint32_t rb =
        (((b & 0x00FF00FFu) * iw + (f & 0x00FF00FFu) * w + 0x00800080u) >> 8) & 0x00FF00FFu;
    const std::uint32_t ag =
        (((b >> 8) & 0x00FF00FFu) * iw + ((f >> 8) & 0x00FF00FFu) * w + 0x00800080u) & 0xFF00FF00u;
    return rb | ag;
}

// F onto B weighted by F's own alpha.
constexpr TColor32 BlendByAlpha(TColor32 f, TColor32 b) {
    return BlendWeighted(f, b, f >> 24);
}

// The merge rule (table driven; see the top of this file).
TColor32 Merge(TColor32 f, TColor32 b);

// round(a * m / 255) for bytes: scales an alpha by a master alpha or a
// coverage. 255 leaves a unchanged. t div 255 is taken as
// (t + 1 + t div 256) div 256, exact for t < 65535 (here t <= 65152),
// which vector units can do and a division they cannot.
constexpr std::uint32_t ScaleAlpha(std::uint32_t a, std::uint32_t m) {
    const std::uint32_t t = a * m + 127;
    return (t + 1 + (t >> 8)) >> 8;
}

// F put onto B the way a translucent-aware operation does it: alpha $FF
// writes F, alpha 0 keeps B, otherwise the combine mode's rule (blend by
// F's alpha, or merge).
inline TColor32 CombineTS(TColor32 f, TColor32 b, TCombineMode mode) {
    const std::uint32_t a = f >> 24;
    if (a == 0xFF) return f;
    if (a == 0) return b;
    return mode == cmBlend ? BlendWeighted(f, b, a) : Merge(f, b);
}

}  // namespace lg
