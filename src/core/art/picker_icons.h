// The small pictures inside the pickers: the width slider's two end icons
// and the drop-down button of the combo boxes. Sizes are 96-DPI pixels; each
// picture is drawn at the display's scale.
#pragma once

#include "dpi/display_scale.h"
#include "raster/bitmap32.h"

namespace lg::art {

// The end icons' sizes at 96 DPI.
inline constexpr TSize kThinWidthIconSize{6, 7};
inline constexpr TSize kThickWidthIconSize{10, 11};

// A short level stroke with round ends in the icon ink on transparent,
// 1 px thick for the slider's thin end, 4 px for its thick end; it lies on
// the slider's middle row when the icon is placed beside the slider.
TBitmap32 DrawWidthIcon(bool thick, DisplayScale scale = {});

// The drop-down button's pictures.
struct ComboButtonPictures {
    TBitmap32 normal;
    TBitmap32 down;
    TBitmap32 move;
};

// A `size96` square (scale.Px(size96) pixels) filled with `fill` holding a
// small chevron pointing down: light ink normally, white under the pointer,
// white on the pressed fill while held.
ComboButtonPictures DrawComboButton(int size96, TColor32 fill, DisplayScale scale = {});

}  // namespace lg::art
