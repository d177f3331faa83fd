// A rounded box with a 1 px border: the body of the text buttons, the boxes
// round the settings window's edit fields and, with square corners, its
// frame.
#pragma once

#include "dpi/display_scale.h"
#include "raster/bitmap32.h"

namespace lg::art {

// The corner radius of buttons and field boxes, in 96-DPI pixels.
inline constexpr double kFieldBoxRadius = 4;

// A picture of scale.Px(width96) x scale.Px(height96) pixels: the rounded
// rectangle filled with `fill`, then its border in `border`, scale.Px(1)
// whole pixels wide along the picture's edges so it stays crisp at any
// scale. Either colour at alpha 0 is left out; outside the corners the
// picture is transparent. Straight alpha.
TBitmap32 DrawFieldBox(int width96, int height96, TColor32 fill, TColor32 border,
                       DisplayScale scale = {}, double radius96 = kFieldBoxRadius);

}  // namespace lg::art
