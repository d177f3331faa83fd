// Where a window lies on the screen as a window capture takes it.
#pragma once

#include <windows.h>

#include <optional>

#include "raster/geometry.h"

namespace lg::win {

// The visible frame of `wnd` in screen pixels: the compositor's extended
// frame where it answers, the window rectangle otherwise. Nothing for a
// missing or destroyed window.
std::optional<TRect> VisibleFrameOf(HWND wnd);

// The compositor hides the window although it counts as shown (a window
// of another virtual desktop, a suspended app). False where it cannot
// tell.
bool WindowCloaked(HWND wnd);

}  // namespace lg::win
