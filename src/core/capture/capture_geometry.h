// Where a capture lies: the virtual screen's bounding rectangle, and the
// selection a window or whole-screen capture starts with.
#pragma once

#include <optional>
#include <span>

#include "raster/geometry.h"

namespace lg {

// The bounding box of the primary screen (0, 0, width, height) and every
// monitor; Left and Top go negative when a monitor lies left of or above
// the primary one.
TRect ComputeRectWork(int primaryWidth, int primaryHeight, std::span<const TRect> monitors);

// The selection, in capture coordinates, that a capture of `kind` starts
// with: 1 the foreground window's rectangle (screen coordinates) clipped
// to `rectWork`, 2 the whole capture. Nothing for kind 0, for a missing
// window, and for a clipped rectangle that is empty or inverted (a window
// wholly off the screen), so no negative size ever reaches the output.
std::optional<TRect> InitialSelection(int kind, const TRect& rectWork,
                                      std::optional<TRect> foregroundWindow);

// What a window capture takes of a window: its visible frame as the
// compositor reports it (`extendedFrame`, nothing when the query failed or
// is not available), which leaves out the invisible resize border that
// the window rectangle includes; the window rectangle when there is no
// usable answer (an empty or inverted frame included).
TRect VisibleWindowFrame(std::optional<TRect> extendedFrame, const TRect& windowRect);

}  // namespace lg
