// Laying a coloured shape onto a picture: the shapes of the information
// windows' pictures are filled one colour at a time, each over what is
// already there.
#pragma once

#include <span>

#include "art/coverage_mask.h"
#include "raster/bitmap32.h"

namespace lg::art {

// Fills `shape` (non-zero winding, anti-aliased) in `color` over `canvas`,
// blended with its alpha; the canvas keeps straight alpha, so a shape laid
// on a transparent spot keeps its own colour at its edge.
void InkShape(TBitmap32& canvas, std::span<const Contour> shape, TColor32 color);

}  // namespace lg::art
