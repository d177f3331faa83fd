// Running the test thread's messages for a while, as a window's own thread
// would, so timers fire and windows paint.
#pragma once

#include <windows.h>

#include <functional>

namespace lg::win::test {

// Dispatches messages until `done` holds or `timeoutMs` has passed; the
// milliseconds it took, or -1 on the timeout.
inline long PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const ULONGLONG start = GetTickCount64();
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        const ULONGLONG elapsed = GetTickCount64() - start;
        if (done()) return static_cast<long>(elapsed);
        if (elapsed >= timeoutMs) return -1;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

// Dispatches messages for `ms` milliseconds.
inline void PumpFor(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}

}  // namespace lg::win::test
