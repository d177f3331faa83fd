// A window of a fixed client size in 96-DPI pixels whose windowless
// controls are painted on one surface, laid out at a display scale: what
// the settings window, the folder picker, the information windows and the
// corner pop-ups share. A press on no control is the window's background
// (for the base's dragByBackground); a change of DPI lays the window out
// again (for followsDpi).
#pragma once

#include <windows.h>

#include <cstdint>
#include <initializer_list>

#include "controls/control_surface.h"
#include "controls/graphic_control.h"
#include "dpi/display_scale.h"
#include "platform/window.h"
#include "raster/geometry.h"

namespace lg::win {

class SurfaceWindow : public Window {
public:
    // What stays put when a new scale resizes the window.
    enum class Anchor : std::uint8_t { TopLeft, Centre };

    bool Showing() const { return hwnd() && IsWindowVisible(hwnd()); }
    // The client size in pixels, at the window's scale.
    int ClientWidth() const { return scale_.Px(client96_.cx); }
    int ClientHeight() const { return scale_.Px(client96_.cy); }
    const DisplayScale& Scale() const { return scale_; }
    // Lays the window out at `scale` and resizes it around its anchor;
    // nothing happens when it already has that scale.
    void SetScale(DisplayScale scale);
    ControlSurface& Controls() { return controls_; }

protected:
    SurfaceWindow(TSize client96, TColor32 surface, Anchor anchor)
        : client96_(client96), anchor_(anchor), controls_(surface) {}

    // Takes the scale a window is created at, before it exists.
    void StartAt(DisplayScale scale) { scale_ = scale; }
    // Binds the surface to the window just created, with its controls in
    // painting order.
    void AttachControls(std::initializer_list<TGraphicControl*> controls);

    // Another client size in 96-DPI pixels (a window that grows for what
    // it shows): laid out again and resized around its anchor.
    void SetClientSize96(TSize client96);

    // Places every control and draws every picture at Scale().
    virtual void LayoutControls() = 0;
    // `c` at the 96-DPI rectangle `r96`, at the window's scale.
    void PlaceControl(TGraphicControl& c, const TRect& r96) const;

    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    bool TakesPress(POINT client) override;
    void OnScaleChanged(DisplayScale scale) override { SetScale(scale); }

private:
    // Lays the controls out and sizes the window for the scale and size.
    void Resize();

    TSize client96_;
    Anchor anchor_;
    DisplayScale scale_;
    ControlSurface controls_;
};

}  // namespace lg::win
