// Giving back the drawing surface of a window that stays hidden for long.
#pragma once

#include <windows.h>

namespace lg::win {

// Lets the window system free the surface a hidden window was drawn on (a
// full-screen one is a whole frame of the virtual screen): the window is
// shrunk to one pixel, and the cached display contexts, which each keep
// the surface they last drew on, are taken and given back so they drop
// it. Whoever shows the window again gives it its size in that call.
void GiveBackHiddenSurface(HWND hidden);

}  // namespace lg::win
