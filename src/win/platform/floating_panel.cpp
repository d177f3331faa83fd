#include "platform/floating_panel.h"

namespace lg::win {

bool FloatingPanel::CreatePanel(HWND owner) {
    surface_.reset(CreateSolidBrush(kPanelSurface));
    if (!RegisterClassOnce(className_, 0, static_cast<HBRUSH>(surface_.get()))) return false;
    // WS_POPUP with an owner: no taskbar button, always above the owner.
    return Create(className_, L"", WS_POPUP | WS_CLIPCHILDREN, WS_EX_TOPMOST | WS_EX_TOOLWINDOW, 0,
                  0, width_, height_, owner);
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
            // Pressing on the background moves the panel.
            LRESULT hit = Window::HandleMessage(msg, wp, lp);
            return hit == HTCLIENT ? HTCAPTION : hit;
        }
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd(), &ps);
            PaintContent(dc);
            EndPaint(hwnd(), &ps);
            return 0;
        }
        case WM_KEYDOWN:
            if (wp == VK_ESCAPE && OnEscape) {
                OnEscape();
                return 0;
            }
            break;
    }
    return Window::HandleMessage(msg, wp, lp);
}

}  // namespace lg::win
