// Pixel and platform colour types and the conversion between them.
#pragma once

#include <cstdint>

namespace lg {

// A pixel: $AARRGGBB, straight (not premultiplied) alpha. Alpha 0 is fully
// transparent, $FF fully opaque.
using TColor32 = std::uint32_t;

// The platform colour: $00BBGGRR, or a system-colour index when the top
// byte is kSystemColorFlag (the index is then the low byte).
using TColor = std::uint32_t;

inline constexpr TColor kSystemColorFlag = 0xFF000000u;

constexpr std::uint32_t AlphaOf(TColor32 c) {
    return c >> 24;
}
constexpr std::uint32_t RedOf(TColor32 c) {
    return (c >> 16) & 0xFF;
}
constexpr std::uint32_t GreenOf(TColor32 c) {
    return (c >> 8) & 0xFF;
}
constexpr std::uint32_t BlueOf(TColor32 c) {
    return c & 0xFF;
}

constexpr TColor32 Color32(std::uint32_t r, std::uint32_t g, std::uint32_t b,
                           std::uint32_t a = 0xFF) {
    return (a & 0xFF) << 24 | (r & 0xFF) << 16 | (g & 0xFF) << 8 | (b & 0xFF);
}

// c with its alpha byte replaced by a.
constexpr TColor32 WithAlpha(TColor32 c, std::uint32_t a) {
    return (c & 0x00FFFFFFu) | (a & 0xFF) << 24;
}

constexpr bool IsSystemColor(TColor c) {
    return (c & 0xFF000000u) == kSystemColorFlag;
}

// Looks up the current $00BBGGRR value of a system-colour index. The Win32
// shell passes one that asks the platform; the core has no such knowledge.
using SystemColorLookup = TColor (*)(int index);

// TColor to TColor32: a system colour is first resolved with `lookup` (to
// black when there is none), then $00BBGGRR is swapped to $00RRGGBB and the
// alpha set to $FF.
TColor32 Color32(TColor c, SystemColorLookup lookup = nullptr);

// The reverse for an ordinary colour: $00BBGGRR of the colour's RGB, alpha
// dropped.
constexpr TColor WinColor(TColor32 c) {
    return BlueOf(c) << 16 | GreenOf(c) << 8 | RedOf(c);
}

}  // namespace lg
