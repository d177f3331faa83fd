// What the notification and the upload progress share: a small borderless
// topmost panel in the bottom-right corner of the primary monitor's work
// area, outlined on the panel surface, laid out at the primary monitor's
// scale, and never taking the focus. Made hidden at start-up and shown
// again and again.
#pragma once

#include <windows.h>

#include <initializer_list>

#include "controls/graphic_control.h"
#include "controls/surface_window.h"
#include "raster/geometry.h"

namespace lg::win {

class CornerPopup : public SurfaceWindow {
protected:
    CornerPopup(const wchar_t* className, TSize client96);

    // Creates the hidden window in its corner, owned by `owner` (the
    // program's hidden main window), with the controls in painting order.
    bool CreatePopup(HWND owner, std::initializer_list<TGraphicControl*> controls);
    // At the primary monitor's scale, in the corner where the taskbar
    // leaves it now, on top of the topmost windows, without the focus.
    // Above `below` instead while that corner window shows, so the two
    // never cover each other.
    void ShowInCorner(HWND below = nullptr);

private:
    const wchar_t* className_;
    TSize client96_;
};

}  // namespace lg::win
