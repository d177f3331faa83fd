// The colour button: the palette fills the button's background picture
// with the current colour, and every state picture covers it with the
// panel surface except for a rounded hole in the middle, ringed by a 1 px
// line in the state's ink.
#pragma once

#include "art/button_art.h"

namespace lg::art {

// The hole through which the colour shows: the button inset by 10 px
// (28 x 18 at (10, 10) in the 48 x 38 palette button), corners of radius 3.
inline constexpr int kSwatchInset = 10;
TRect SwatchHole(int width, int height);

ButtonArt DrawSwatchButton(int width, int height);

}  // namespace lg::art
