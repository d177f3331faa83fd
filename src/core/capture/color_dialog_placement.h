// Where the colour dialog opens: at the palette's left edge, its top a
// fixed rise above the palette's, then moved as little as needed to lie in
// the work area of the palette's monitor. Unmoved, a selection in the upper
// part of a screen put the dialog's title bar (and its buttons) off the
// screen, where the user could not reach it.
#pragma once

#include "dpi/display_scale.h"
#include "raster/geometry.h"

namespace lg {

// How far above the palette's top the dialog's top goes, in 96-DPI pixels.
inline constexpr int kColorDialogRise = 300;

// The dialog's rectangle in screen coordinates, `dialog` being its size,
// `workArea` the work area of the monitor nearest to the palette and
// `scale` that monitor's. A dialog larger than the work area keeps its
// top-left corner inside it, where its title bar is.
TRect PlaceColorDialog(const TRect& palette, TSize dialog, const TRect& workArea,
                       DisplayScale scale = DisplayScale()) noexcept;

}  // namespace lg
