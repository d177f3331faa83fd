#include "controls/surface_window.h"

namespace lg::win {

void SurfaceWindow::SetScale(DisplayScale scale) {
    if (scale == scale_) return;
    scale_ = scale;
    Resize();
}

void SurfaceWindow::SetClientSize96(TSize client96) {
    if (client96.cx == client96_.cx && client96.cy == client96_.cy) return;
    client96_ = client96;
    Resize();
}

void SurfaceWindow::Resize() {
    LayoutControls();
    if (!hwnd()) return;
    if (anchor_ == Anchor::Centre) {
        ResizeAroundCentre(ClientWidth(), ClientHeight());
    } else {
        SetWindowPos(hwnd(), nullptr, 0, 0, ClientWidth(), ClientHeight(),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    controls_.UpdateHints();
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void SurfaceWindow::AttachControls(std::initializer_list<TGraphicControl*> controls) {
    controls_.Attach(hwnd());
    for (TGraphicControl* c : controls) controls_.Add(*c);
}

void SurfaceWindow::PlaceControl(TGraphicControl& c, const TRect& r96) const {
    const TRect r = scale_.Rect(r96);
    c.SetBounds(r.Left, r.Top, r.Width(), r.Height());
}

LRESULT SurfaceWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (controls_.HandleMessage(msg, wp, lp, result)) return result;
    return Window::HandleMessage(msg, wp, lp);
}

bool SurfaceWindow::TakesPress(POINT client) {
    return controls_.Host().ControlAt(client.x, client.y, true) != nullptr;
}

}  // namespace lg::win
