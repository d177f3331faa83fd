// The colours of the light-on-navy family, and the two ways a state shifts
// a colour.
#pragma once

#include <cmath>

#include "raster/color32.h"

namespace lg::art {

inline constexpr TColor32 kPanelSurface = Color32(9, 26, 50);
inline constexpr TColor32 kHoverFill = Color32(26, 53, 91);
// The settings window's frame: the page area and the chosen page button.
inline constexpr TColor32 kFrameFill = Color32(12, 35, 66);
inline constexpr TColor32 kPressedFill = Color32(39, 75, 126);
inline constexpr TColor32 kOutline = Color32(74, 110, 161);
inline constexpr TColor32 kInkNormal = Color32(229, 229, 229);
inline constexpr TColor32 kInkHover = Color32(255, 255, 255);
inline constexpr TColor32 kAccent = Color32(28, 194, 241);
// A field the system refused, and the note that says why.
inline constexpr TColor32 kWarning = Color32(245, 183, 64);

// The disabled picture is the normal one at 40 % opacity.
inline constexpr std::uint32_t kDisabledAlpha = 102;

// Every channel moved `amount` (0..1) of the way to white; alpha kept.
inline TColor32 Lighten(TColor32 c, double amount) {
    const auto up = [amount](std::uint32_t v) {
        return static_cast<std::uint32_t>(std::lround(v + (255 - v) * amount));
    };
    return Color32(up(RedOf(c)), up(GreenOf(c)), up(BlueOf(c)), AlphaOf(c));
}

// Every channel moved `amount` (0..1) of the way to black; alpha kept.
inline TColor32 Darken(TColor32 c, double amount) {
    const auto down = [amount](std::uint32_t v) {
        return static_cast<std::uint32_t>(std::lround(v * (1 - amount)));
    };
    return Color32(down(RedOf(c)), down(GreenOf(c)), down(BlueOf(c)), AlphaOf(c));
}

}  // namespace lg::art
