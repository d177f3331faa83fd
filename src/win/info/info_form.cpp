#include "info/info_form.h"

#include <windowsx.h>

#include "controls/image_control.h"
#include "info/info_controls.h"
#include "platform/display_dpi.h"
#include "platform/modal_loop.h"

namespace lg::win {

HMONITOR PointerMonitor() {
    POINT at{};
    GetCursorPos(&at);
    return MonitorFromPoint(at, MONITOR_DEFAULTTOPRIMARY);
}

InfoForm::InfoForm(const wchar_t* className, const wchar_t* title, TSize client96, TColor32 surface)
    : className_(className), title_(title), client96_(client96), controls_(surface) {
    controls_.OnPaintBackground = [this](TBitmap32& surface) {
        if (!background.Empty()) surface.Draw(0, 0, background);
    };
}

bool InfoForm::CreateInfoWindow(HMONITOR monitor,
                                std::initializer_list<TGraphicControl*> controls) {
    if (!RegisterClassOnce(className_)) return false;
    MONITORINFO mi{};
    mi.cbSize = sizeof(mi);
    if (!GetMonitorInfoW(monitor, &mi)) SystemParametersInfoW(SPI_GETWORKAREA, 0, &mi.rcWork, 0);
    scale_ = ScaleOfMonitor(monitor);
    const int w = ClientWidth(), h = ClientHeight();
    const RECT& work = mi.rcWork;
    // Its own taskbar button; the system menu lets the taskbar close and
    // minimise it.
    if (!Create({.className = className_,
                 .title = title_,
                 .style = WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX,
                 .exStyle = WS_EX_APPWINDOW,
                 .x = work.left + (work.right - work.left - w) / 2,
                 .y = work.top + (work.bottom - work.top - h) / 2,
                 .width = w,
                 .height = h})) {
        return false;
    }
    controls_.Attach(hwnd());
    for (TGraphicControl* c : controls) controls_.Add(*c);
    LayoutControls();
    controls_.UpdateHints();
    return true;
}

void InfoForm::SetScale(DisplayScale scale) {
    if (scale == scale_) return;
    RECT was{};
    if (hwnd()) GetWindowRect(hwnd(), &was);
    scale_ = scale;
    LayoutControls();
    if (!hwnd()) return;
    const POINT centre{(was.left + was.right) / 2, (was.top + was.bottom) / 2};
    SetWindowPos(hwnd(), nullptr, centre.x - ClientWidth() / 2, centre.y - ClientHeight() / 2,
                 ClientWidth(), ClientHeight(), SWP_NOZORDER | SWP_NOACTIVATE);
    controls_.UpdateHints();
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void InfoForm::Place(TGraphicControl& c, const TRect& r96) const {
    const TRect r = scale_.Rect(r96);
    c.SetBounds(r.Left, r.Top, r.Width(), r.Height());
}

TFontDesc InfoForm::Font(std::u16string_view family, int pixelHeight96, TColor32 color,
                         std::uint8_t style) const {
    TFontDesc f;
    f.Family = family;
    f.PixelHeight = scale_.Px(pixelHeight96);
    f.Color = color;
    f.Style = style;
    return f;
}

void InfoForm::ShowInFront() {
    ShowWindow(hwnd(), SW_SHOW);
    SetWindowPos(hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(hwnd());
}

int InfoForm::RunModal(HWND owner) {
    return lg::win::RunModal(hwnd(), owner, modalResult_, kResultClosed, [this] { ShowInFront(); });
}

bool InfoForm::ControlTakesPress(int x, int y) {
    TGraphicControl* c = controls_.Host().ControlAt(x, y, true);
    if (!c) return false;
    // Pictures and plain labels lie on the background and move it too.
    if (dynamic_cast<const TImage*>(c)) return false;
    const auto* label = dynamic_cast<const TInfoLabel*>(c);
    return !label || label->TakesMouse;
}

bool InfoForm::OnClose() {
    CloseRequest();
    return true;
}

LRESULT InfoForm::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_NCHITTEST: {
            // The background (and a passive label on it) moves the window,
            // as its caption would.
            const LRESULT hit = Window::HandleMessage(msg, wp, lp);
            if (hit != HTCLIENT) return hit;
            POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
            ScreenToClient(hwnd(), &p);
            return ControlTakesPress(p.x, p.y) ? HTCLIENT : HTCAPTION;
        }
        case WM_KEYDOWN:
            if (wp == VK_ESCAPE) {
                CloseRequest();
                return 0;
            }
            break;
        case WM_DPICHANGED: {
            // Moved onto a monitor of another scale.
            SetScale(ScaleFromDpiChanged(wp));
            MoveToSuggestedPlace(hwnd(), lp);
            return 0;
        }
    }
    LRESULT result = 0;
    if (controls_.HandleMessage(msg, wp, lp, result)) return result;
    return Window::HandleMessage(msg, wp, lp);
}

}  // namespace lg::win
