#include "info/info_form.h"

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
    : SurfaceWindow(client96, surface, Anchor::Centre), className_(className), title_(title) {
    Controls().OnPaintBackground = [this](TBitmap32& surface) {
        if (!background.Empty()) surface.Draw(0, 0, background);
    };
}

bool InfoForm::CreateInfoWindow(HMONITOR monitor,
                                std::initializer_list<TGraphicControl*> controls) {
    if (!RegisterClassOnce(className_)) return false;
    StartAt(ScaleOfMonitor(monitor));
    if (!Create(OwnButtonWindow(className_, title_, 0, ClientWidth(), ClientHeight(), monitor))) {
        return false;
    }
    AttachControls(controls);
    LayoutControls();
    Controls().UpdateHints();
    return true;
}

TFontDesc InfoForm::Font(std::u16string_view family, int pixelHeight96, TColor32 color,
                         std::uint8_t style) const {
    TFontDesc f;
    f.Family = family;
    f.PixelHeight = Scale().Px(pixelHeight96);
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

bool InfoForm::TakesPress(POINT client) {
    TGraphicControl* c = Controls().Host().ControlAt(client.x, client.y, true);
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

}  // namespace lg::win
