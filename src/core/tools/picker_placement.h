// Where the width and font pickers open beside the tool palette: below it,
// or above it turned upside down (their pointer then faces the palette
// from below), by whether the palette sits above the selection and how
// much room its monitor leaves. Screen coordinates.
#pragma once

#include "dpi/display_scale.h"
#include "raster/geometry.h"

namespace lg {

// 96-DPI pixels from the palette's left edge to a picker's, so that its
// pointer stands under the button that opened it.
inline constexpr int kWidthPickerOffset = 147;
inline constexpr int kFontPickerOffset = 214;
// 96-DPI pixels between the palette and a picker.
inline constexpr int kPickerGap = 5;

struct PickerPlacement {
    TRect bounds;
    bool flip = false;  // above the palette, upside down
    friend constexpr bool operator==(const PickerPlacement&, const PickerPlacement&) = default;
};

// `palette` and `selection` are on the screen, `monitor` the bounds of the
// monitor nearest to the palette, `picker` the picker's size in pixels and
// `offsetX96` its offset; the offset and the gap take `scale`, the palette's.
PickerPlacement PlacePicker(const TRect& palette, const TRect& selection, const TRect& monitor,
                            TSize picker, int offsetX96, DisplayScale scale);

}  // namespace lg
