// Where a top-level window of a given size goes on the screen: centred in
// a monitor's work area, in the work area's bottom-right corner, or
// centred over its owner and kept inside the work area. Pure maths over
// rectangles in screen pixels, so every placement is tested with fake
// monitors and no display.
#pragma once

#include "raster/geometry.h"

namespace lg {

// The gap between a corner pop-up (the notification, the upload progress)
// and the work area's edges, in 96-DPI pixels.
inline constexpr int kCornerMargin96 = 10;

// `size` centred in `area`. An odd difference leaves the extra pixel on
// the right and at the bottom; a window larger than the area overhangs it
// on both sides the same way (the division truncates toward zero, so the
// odd pixel of the overhang is on the right and at the bottom too).
TRect CentredIn(const TRect& area, TSize size);

// `size` in the bottom-right corner of `area`, `margin` pixels off both
// edges.
TRect InCorner(const TRect& area, TSize size, int margin);

// `r` moved, at its size, the least distance that puts it inside `area`;
// where it is larger than the area its top-left corner stays inside (a
// window's close button is at its top).
TRect KeptInside(const TRect& r, const TRect& area);

}  // namespace lg
