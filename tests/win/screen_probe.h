// Helpers of the Wine tests that look at real windows: let queued messages
// run, and read a pixel back from the screen.
#pragma once

#include <windows.h>

#include "capture/screen_copy.h"

namespace lg::win::testing {

// Dispatches this thread's messages for about `rounds` × 10 ms, so posted
// paints and timers have run.
inline void Pump(int rounds = 30) {
    MSG msg;
    for (int i = 0; i < rounds; ++i) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(10);
    }
}

inline TColor32 ScreenPixel(int x, int y) {
    TBitmap32 px;
    CopyScreen(px, TRect{x, y, x + 1, y + 1}, false);
    return px.PixelS(0, 0);
}

}  // namespace lg::win::testing
