#include "output/corner_popup.h"

#include "art/art_colors.h"
#include "controls/window_placement.h"
#include "platform/display_dpi.h"
#include "raster/shapes.h"

namespace lg::win {

CornerPopup::CornerPopup(const wchar_t* className, TSize client96)
    : SurfaceWindow(client96, art::kPanelSurface, Anchor::TopLeft),
      className_(className),
      client96_(client96) {
    // The outline in the pressed fill of the button family.
    Controls().OnPaintBackground = [this](TBitmap32& surface) {
        FillFrame(surface, surface.BoundsRect(), Scale().Px(1), art::kPressedFill);
    };
}

bool CornerPopup::CreatePopup(HWND owner, std::initializer_list<TGraphicControl*> controls) {
    if (!RegisterClassOnce(className_)) return false;
    // A topmost tool-window pop-up owned by the program's hidden main
    // window: no taskbar button anywhere (some window managers give an
    // unowned window one whatever its style), and an owner that is never
    // minimised never hides it. Clicking its close button leaves the focus
    // where it was.
    WindowArgs args =
        TopmostToolWindow(className_, L"ЛюмиГРАБ", WS_POPUP, client96_.cx, client96_.cy, owner);
    args.options = {.noActivate = true, .followsDpi = true, .placement = Placement::PrimaryCorner};
    if (!Create(args)) return false;
    AttachControls(controls);
    SetScale(ScaleOfPrimaryMonitor());
    MoveToPlacement(Scale());
    return true;
}

void CornerPopup::ShowInCorner(HWND below) {
    if (!hwnd()) return;
    SetScale(ScaleOfPrimaryMonitor());
    MoveToPlacement(Scale());
    RECT under{}, self{};
    if (below && IsWindowVisible(below) && GetWindowRect(below, &under) &&
        GetWindowRect(hwnd(), &self)) {
        const int top = under.top - Scale().Px(kCornerMargin96) - (self.bottom - self.top);
        SetWindowPos(hwnd(), nullptr, self.left, top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ShowTopmostInactive();
}

}  // namespace lg::win
