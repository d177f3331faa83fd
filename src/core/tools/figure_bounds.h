// How far a figure may reach in the draw bitmap, so that a tool repaints
// only that part of the view.
#pragma once

#include <cstddef>

#include "raster/geometry.h"
#include "raster/line32.h"

namespace lg {

// The pixels `line` may touch when drawn with its current settings (line
// width, joins, arrow heads): the box of its points grown by the farthest
// reach of the stroke, its miters and its heads, plus a pixel for the
// anti-aliased edge and the outline. Empty when the line draws nothing
// (fewer than two distinct points). Call it after Draw, which stores the
// width it was given.
TRect LineBounds(const TLine32& line);
// The same for the part of the line from point `first` on, drawn with the
// line's settings: what a change to that part may touch.
TRect LineBounds(const TLine32& line, std::size_t first);

}  // namespace lg
