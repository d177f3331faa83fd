#include "platform/floating_panel.h"

#include <windowsx.h>

namespace lg::win {

bool FloatingPanel::CreatePanel(HWND owner) {
    const TColor32 c = art::kPanelSurface;
    surface_.reset(CreateSolidBrush(RGB(RedOf(c), GreenOf(c), BlueOf(c))));
    if (!RegisterClassOnce(className_, 0, static_cast<HBRUSH>(surface_.get()))) return false;
    // WS_POPUP with an owner: no taskbar button, always above the owner.
    if (!Create(className_, L"", WS_POPUP | WS_CLIPCHILDREN, WS_EX_TOPMOST | WS_EX_TOOLWINDOW, 0, 0,
                width_, height_, owner))
        return false;
    controls_.Attach(hwnd());
    return true;
}

void FloatingPanel::ShowPanel() {
    if (!hwnd()) return;
    SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
}

void FloatingPanel::HidePanel() {
    if (hwnd()) ShowWindow(hwnd(), SW_HIDE);
}

void FloatingPanel::MoveTo(int left, int top) {
    if (hwnd()) {
        SetWindowPos(hwnd(), HWND_TOPMOST, left, top, width_, height_, SWP_NOACTIVATE);
    }
}

LRESULT FloatingPanel::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_NCHITTEST: {
            // Pressing on the background (not on a control) moves the panel.
            LRESULT hit = Window::HandleMessage(msg, wp, lp);
            if (hit != HTCLIENT) return hit;
            POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
            ScreenToClient(hwnd(), &p);
            return controls_.Host().ControlAt(p.x, p.y, true) ? HTCLIENT : HTCAPTION;
        }
        case WM_MOUSEACTIVATE:
            // A click on a panel leaves the keyboard with the capture window
            // (Ctrl+Z, Ctrl+C and Esc keep working) and keeps its z-order.
            return MA_NOACTIVATE;
        case WM_KEYDOWN:
            if (wp == VK_ESCAPE && OnEscape) {
                OnEscape();
                return 0;
            }
            break;
    }
    LRESULT result = 0;
    if (controls_.HandleMessage(msg, wp, lp, result)) return result;
    return Window::HandleMessage(msg, wp, lp);
}

}  // namespace lg::win
