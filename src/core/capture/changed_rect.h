// Where two pictures of one size differ.
#pragma once

#include "raster/bitmap32.h"
#include "raster/geometry.h"

namespace lg {

// The bounding rectangle of the pixels in which a and b differ; empty (all
// zero) when they are equal or their sizes differ. Reads every pixel once,
// row by row, so it costs about as much as comparing the two frames.
TRect ChangedRect(const TBitmap32& a, const TBitmap32& b);

}  // namespace lg
