// Reads the window tree an area capture snaps to; which windows count and
// which one wins is decided by SnapWindows in the core.
#pragma once

#include <vector>

#include "capture/snap_windows.h"

namespace lg::win {

// Every top-level window in stacking order, top first, each followed by
// its descendants (a parent before its children), with their visible
// frames in screen pixels, whether they show and whether they are this
// process's. The children of a window that does not show are not read.
// Empty when the memory for it could not be had.
std::vector<SnapWindowInfo> ReadSnapWindows();

}  // namespace lg::win
