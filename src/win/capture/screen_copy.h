// Freezing the screen: the monitors' bounds and one copy of the virtual
// screen into a bitmap, optionally with the mouse pointer drawn in.
#pragma once

#include <vector>

#include "raster/bitmap32.h"
#include "raster/geometry.h"

namespace lg::win {

// Bounds of every monitor in screen coordinates.
std::vector<TRect> MonitorRects();

// The bounding rectangle of the primary screen and all monitors.
TRect VirtualScreenRect();

// Sizes `dst` to `rectWork` and copies that area of the screen into it,
// opaque. With `withCursor` the visible pointer is drawn with its image's
// top-left corner at the pointer position. Throws RasterError when a
// bitmap of that size cannot be had; false when the screen could not be
// read (the bitmap is then black).
bool CopyScreen(TBitmap32& dst, const TRect& rectWork, bool withCursor);

}  // namespace lg::win
