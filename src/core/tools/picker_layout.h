// The controls of the width and font pickers at 96 DPI: where each sits
// when the picker opens below the palette, and how high when it opens
// above, turned upside down (its body is then higher up, the pointer at
// the bottom).
#pragma once

#include <array>
#include <cstdint>

#include "art/picker_art.h"
#include "raster/geometry.h"

namespace lg {

enum class WidthPickerControl : std::uint8_t { Posbar1, Image2, Image3 };
enum class FontPickerControl : std::uint8_t {
    btBold,
    btItalic,
    btUnderline,
    btStrike,
    VEYComboBox1,
    VEYComboBox2,
};

template <typename Id>
struct PickerItem {
    Id id;
    int left, top, width, height;
    int flippedTop;

    constexpr TRect Bounds(bool flip) const {
        const int t = flip ? flippedTop : top;
        return TRect{left, t, left + width, t + height};
    }
};

inline constexpr std::array<PickerItem<WidthPickerControl>, 3> kWidthPickerItems{{
    {WidthPickerControl::Posbar1, 17, 14, 87, 16, 10},
    {WidthPickerControl::Image2, 8, 18, 6, 7, 14},      // the thin end
    {WidthPickerControl::Image3, 108, 16, 10, 11, 12},  // the thick end
}};

inline constexpr std::array<PickerItem<FontPickerControl>, 6> kFontPickerItems{{
    {FontPickerControl::btBold, 9, 11, 38, 38, 6},
    {FontPickerControl::btItalic, 53, 11, 38, 38, 6},
    {FontPickerControl::btUnderline, 97, 11, 38, 38, 6},
    {FontPickerControl::btStrike, 141, 11, 38, 38, 6},
    {FontPickerControl::VEYComboBox1, 9, 56, 104, 31, 50},
    {FontPickerControl::VEYComboBox2, 128, 56, 51, 31, 50},
}};

// Every control lies inside its picker, upright and upside down.
template <typename Items>
constexpr bool AllInside(const Items& items, TSize size) {
    for (const auto& item : items) {
        for (bool flip : {false, true}) {
            const TRect r = item.Bounds(flip);
            if (r.Left < 0 || r.Top < 0 || r.Right > size.cx || r.Bottom > size.cy) return false;
        }
    }
    return true;
}
static_assert(AllInside(kWidthPickerItems, art::kWidthPickerSize));
static_assert(AllInside(kFontPickerItems, art::kFontPickerSize));

// The text sizes the font picker offers, in points.
inline constexpr int kFontPickerMinSize = 8;
inline constexpr int kFontPickerMaxSize = 20;

}  // namespace lg
