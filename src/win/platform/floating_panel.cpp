#include "platform/floating_panel.h"

#include <windowsx.h>

#include "platform/display_dpi.h"

namespace lg::win {

bool FloatingPanel::CreatePanel(HWND owner) {
    const TColor32 c = art::kPanelSurface;
    surface_.reset(CreateSolidBrush(RGB(RedOf(c), GreenOf(c), BlueOf(c))));
    if (!RegisterClassOnce(className_, 0, static_cast<HBRUSH>(surface_.get()))) return false;
    // WS_POPUP with an owner: no taskbar button, always above the owner.
    if (!Create(TopmostToolWindow(className_, L"", WS_POPUP | WS_CLIPCHILDREN, size96_.cx,
                                  size96_.cy, owner)))
        return false;
    controls_.Attach(hwnd());
    scale_ = ScaleOfWindow(hwnd());
    SetWindowPos(hwnd(), nullptr, 0, 0, Width(), Height(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    LayoutControls();
    controls_.UpdateHints();
    return true;
}

void FloatingPanel::SetScale(DisplayScale scale) {
    if (scale == scale_) return;
    scale_ = scale;
    if (!hwnd()) return;
    SetWindowPos(hwnd(), nullptr, 0, 0, Width(), Height(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    LayoutControls();
    controls_.UpdateHints();
    InvalidateRect(hwnd(), nullptr, FALSE);
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
        SetWindowPos(hwnd(), HWND_TOPMOST, left, top, Width(), Height(), SWP_NOACTIVATE);
    }
}

LRESULT FloatingPanel::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_NCHITTEST: {
            // Pressing on the background (not on a control) moves the panel.
            LRESULT hit = Window::HandleMessage(msg, wp, lp);
            if (hit != HTCLIENT || !MovesByBackground()) return hit;
            POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
            ScreenToClient(hwnd(), &p);
            return controls_.Host().ControlAt(p.x, p.y, true) ? HTCLIENT : HTCAPTION;
        }
        case WM_MOUSEACTIVATE:
            // A click on a panel leaves the keyboard with the capture window
            // (Ctrl+Z, Ctrl+C and Esc keep working) and keeps its z-order.
            return MA_NOACTIVATE;
        case WM_DPICHANGED: {
            // Moved onto a monitor of another scale.
            SetScale(ScaleFromDpiChanged(wp));
            MoveToSuggestedPlace(hwnd(), lp);
            return 0;
        }
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
