// The rating stars of the rating window: five-pointed stars that the window
// lights by latching their buttons.
#pragma once

#include <vector>

#include "art/button_art.h"
#include "dpi/display_scale.h"
#include "raster/geometry.h"

namespace lg::art {

// The star button's side at 96 DPI.
inline constexpr int kStarButtonSize = 40;

// The ten corners of a five-pointed star around `centre`, clockwise on
// screen from the top point: the points at `outer`, the notches between
// them at `inner`.
std::vector<Vec2> StarPoints(Vec2 centre, double outer, double inner);

// A star button of `size96` square. Plain (unlit): the star in the raised
// fill with a 1.5 px outline, the outline lighter under the pointer. Latched
// (lit): the star filled with the accent, lighter under the pointer, darker
// while pressed. Disabled pictures are the normal ones at 40 %.
ButtonArt DrawStarButton(int size96 = kStarButtonSize, DisplayScale scale = {});

}  // namespace lg::art
