// The one copy of a back buffer to a window: the buffer is laid out in the
// window's client coordinates, and a repaint copies one rectangle of it to
// the same place on the device.
#pragma once

#include <windows.h>

#include "raster/bitmap32.h"

namespace lg::win {

// Copies `area` of `buffer` (cut to the buffer) to the same place of dc.
void BlitBuffer(HDC dc, const TBitmap32& buffer, const TRect& area);

}  // namespace lg::win
