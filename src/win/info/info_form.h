// What the five information windows share: a borderless window of a fixed
// 96-DPI client size with its own taskbar button, centred on a monitor and
// laid out at that monitor's scale, its windowless controls on one
// surface, dragged by every point that is not a control, and a modal loop
// for the two windows that are shown modally.
#pragma once

#include <windows.h>

#include <initializer_list>

#include "controls/graphic_control.h"
#include "controls/surface_window.h"
#include "raster/bitmap32.h"
#include "raster/font.h"

namespace lg::win {

// The modal results of the notice and the welcome window.
inline constexpr int kResultAction = 1;  // "ОБНОВИТЬ", "Сделать скриншот"
inline constexpr int kResultClosed = 2;  // the close button

class InfoForm : public SurfaceWindow {
public:
    // A new scale keeps the window's centre where it is.
    InfoForm(const wchar_t* className, const wchar_t* title, TSize client96, TColor32 surface);

    // 0 while a modal loop runs, then its result.
    int ModalResult() const { return modalResult_; }

protected:
    // Creates the hidden window, centred on `monitor`'s work area at its
    // scale, and adds the controls in painting order. It has no owner
    // window: the taskbar shows a button for an owned one in some shells
    // only, whatever its style says.
    bool CreateInfoWindow(HMONITOR monitor, std::initializer_list<TGraphicControl*> controls);
    // Shows the window and runs its messages until EndModal; `owner` (the
    // program's main window) takes no input meanwhile. A request to quit ends it as closed.
    int RunModal(HWND owner);
    void EndModal(int result) { modalResult_ = result; }
    // Shows it on top and brings it to the foreground.
    void ShowInFront();

    // The close button's work, for Esc and the system's close.
    virtual void CloseRequest() = 0;

    // The picture behind the controls (empty: the bare surface).
    TBitmap32 background;

    // `c` at the 96-DPI rectangle `r96`, at the window's scale.
    void Place(TGraphicControl& c, const TRect& r96) const { PlaceControl(c, r96); }
    // A font of `pixelHeight96` pixels at 96 DPI, at the window's scale.
    TFontDesc Font(std::u16string_view family, int pixelHeight96, TColor32 color,
                   std::uint8_t style = 0) const;

    bool OnClose() override;
    bool TakesPress(POINT client) override;

private:
    const wchar_t* className_;
    const wchar_t* title_;
    int modalResult_ = 0;
};

// The monitor under the pointer, where a window opened from the tray goes.
HMONITOR PointerMonitor();

}  // namespace lg::win
