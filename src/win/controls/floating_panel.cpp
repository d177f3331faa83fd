#include "controls/floating_panel.h"

#include "platform/display_dpi.h"

namespace lg::win {

bool FloatingPanel::CreatePanel(HWND owner) {
    const TColor32 c = art::kPanelSurface;
    surface_.reset(CreateSolidBrush(RGB(RedOf(c), GreenOf(c), BlueOf(c))));
    if (!RegisterClassOnce(className_, 0, static_cast<HBRUSH>(surface_.get()))) return false;
    // WS_POPUP with an owner: no taskbar button, always above the owner.
    WindowArgs args = TopmostToolWindow(className_, L"", WS_POPUP | WS_CLIPCHILDREN, size96_.cx,
                                        size96_.cy, owner);
    // A click on a panel leaves the keyboard with the capture window
    // (Ctrl+Z, Ctrl+C and Esc keep working) and keeps its z-order.
    args.options = {
        .dragByBackground = true, .escapeCloses = true, .noActivate = true, .followsDpi = true};
    if (!Create(args)) return false;
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
    ShowTopmostInactive();
}

void FloatingPanel::HidePanel() {
    if (hwnd()) ShowWindow(hwnd(), SW_HIDE);
}

void FloatingPanel::MoveTo(int left, int top) {
    if (hwnd()) {
        SetWindowPos(hwnd(), HWND_TOPMOST, left, top, Width(), Height(), SWP_NOACTIVATE);
    }
}

bool FloatingPanel::TakesPress(POINT client) {
    return !MovesByBackground() || controls_.Host().ControlAt(client.x, client.y, true);
}

bool FloatingPanel::OnClose() {
    // Esc, or a request to close: the owner decides (a panel lives as long
    // as its object).
    if (!OnEscape) return false;
    OnEscape();
    return true;
}

LRESULT FloatingPanel::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (controls_.HandleMessage(msg, wp, lp, result)) return result;
    return Window::HandleMessage(msg, wp, lp);
}

}  // namespace lg::win
