// A window shape from a picture: the pixels that are not the cut-out colour.
#pragma once

#include <windows.h>

#include "platform/handles.h"
#include "raster/bitmap32.h"

namespace lg::win {

// The region of the pixels of `b` whose colour differs from `cutOut`
// (alpha ignored), made of one rectangle per run of such pixels in a row;
// empty (no handle) when every pixel is the cut-out colour.
UniqueGdiObject BitmapToRegion(const TBitmap32& b, TColor32 cutOut);

}  // namespace lg::win
