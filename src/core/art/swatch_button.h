// The colour button: the palette fills the button's background picture
// with the current colour, and every state picture covers it with the
// panel surface except for a rounded hole in the middle, ringed by a 1 px
// line in the state's ink.
#pragma once

#include "art/button_art.h"
#include "dpi/display_scale.h"

namespace lg::art {

// The hole through which the colour shows: the button inset by 10 px
// (28 x 18 at (10, 10) in the 48 x 38 palette button), corners of radius 3.
// Sizes in 96-DPI pixels; the hole in the pixels of `scale`.
inline constexpr int kSwatchInset = 10;
TRect SwatchHole(int width96, int height96, DisplayScale scale = {});

ButtonArt DrawSwatchButton(int width96, int height96, DisplayScale scale = {});

}  // namespace lg::art
