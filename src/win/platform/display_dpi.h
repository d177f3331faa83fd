// The display scale of the monitors, as the platform reports it: the Win32
// side of the one scale every window takes its sizes through. A window
// asks for the scale of the monitor it is on (or will be placed on), lays
// out its 96-DPI table through it, and lays out again on WM_DPICHANGED.
#pragma once

#include <windows.h>

#include <vector>

#include "dpi/display_scale.h"

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace lg::win {

// The effective DPI of a monitor; the system DPI where the platform has no
// per-monitor query.
DisplayScale ScaleOfMonitor(HMONITOR monitor);
// The monitor a window is on, or the window's own DPI where the platform
// keeps one.
DisplayScale ScaleOfWindow(HWND wnd);
// The monitor a rectangle in screen coordinates lies on most.
DisplayScale ScaleOfScreenRect(const TRect& r);
// The primary monitor's (where the notification shows).
DisplayScale ScaleOfPrimaryMonitor();

// Every monitor with its bounds and DPI.
std::vector<MonitorDpi> MonitorsWithDpi();

// The scale a WM_DPICHANGED message carries.
inline DisplayScale ScaleFromDpiChanged(WPARAM wp) {
    return DisplayScale(HIWORD(wp));
}

// A window of fixed design size after WM_DPICHANGED (its lParam): moved to
// the place the system suggests, keeping it where the system put it; the
// window sizes itself at its new scale.
inline void MoveToSuggestedPlace(HWND hwnd, LPARAM lp) {
    const auto* suggested = reinterpret_cast<const RECT*>(lp);
    SetWindowPos(hwnd, nullptr, suggested->left, suggested->top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace lg::win
