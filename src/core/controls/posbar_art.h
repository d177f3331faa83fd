// Pictures of the position bar in the program's look, drawn by code at the
// display's scale (never stretched). Sizes are in 96-DPI pixels.
#pragma once

#include "dpi/display_scale.h"
#include "raster/bitmap32.h"

namespace lg {

// The thumb's size at 96 DPI: as high as the width picker's slider, so
// giving it the thumb keeps the slider's height.
inline constexpr int kPosbarThumbSize = 16;
// The cut handles' size at 96 DPI.
inline constexpr int kPosbarCutHandleSize = 8;

// The thumb: a disc in the normal ink with a 1 px ring of the panel
// surface, so it stands out over both the track and the fill.
TBitmap32 PosbarThumbPicture(DisplayScale scale);

// A cut handle: an accent wedge that rises towards the bar, its upright
// edge on the cut's edge (the right side of the left handle, the left side
// of the right one), as the bar places them below itself.
TBitmap32 PosbarCutHandlePicture(bool left, DisplayScale scale);

}  // namespace lg
