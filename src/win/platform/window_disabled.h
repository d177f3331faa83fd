// Keeps a window from taking mouse and keyboard input for a scope, as the
// system does for the owner of a modal dialog. Used around a dialog whose
// owner is not the window to hold still (a dialog owned by a floating
// panel while the capture window lies behind it), so that a click behind
// the dialog draws nothing and Esc there does not close the capture.
#pragma once

#include <windows.h>

namespace lg::win {

class WindowDisabled {
public:
    explicit WindowDisabled(HWND wnd) noexcept : wnd_(wnd) {
        // EnableWindow answers whether the window was disabled already; a
        // window disabled by someone else stays so when the scope ends.
        if (wnd_) wasEnabled_ = !EnableWindow(wnd_, FALSE);
    }
    ~WindowDisabled() { Restore(); }

    // Enables the window again now rather than at the end of the scope
    // (once only): a dialog ending hands the activation to the first
    // enabled window, which should be this one.
    void Restore() noexcept {
        if (wnd_ && wasEnabled_) EnableWindow(wnd_, TRUE);
        wasEnabled_ = false;
    }
    WindowDisabled(const WindowDisabled&) = delete;
    WindowDisabled& operator=(const WindowDisabled&) = delete;

private:
    HWND wnd_;
    bool wasEnabled_ = false;
};

}  // namespace lg::win
