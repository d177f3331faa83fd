// A borderless, topmost tool window of fixed size on the panel surface
// colour, owned by another window, holding windowless controls and moved
// by dragging its background: what the output panel, the palette and the
// pickers share. Its size is given in 96-DPI pixels; it shows at the scale
// of the monitor it is placed on and lays its controls out again when that
// scale changes.
#pragma once

#include <windows.h>

#include <functional>

#include "art/art_colors.h"
#include "controls/control_surface.h"
#include "dpi/display_scale.h"
#include "platform/handles.h"
#include "platform/window.h"

namespace lg::win {

class FloatingPanel : public Window {
public:
    FloatingPanel(const wchar_t* className, int width96, int height96)
        : className_(className), size96_{width96, height96}, controls_(art::kPanelSurface) {}

    bool CreatePanel(HWND owner);
    // The size in pixels, at the panel's scale.
    int Width() const { return scale_.Px(size96_.cx); }
    int Height() const { return scale_.Px(size96_.cy); }
    bool Showing() const { return hwnd() && IsWindowVisible(hwnd()); }
    void ShowPanel();
    void HidePanel();
    void MoveTo(int left, int top);

    const DisplayScale& Scale() const { return scale_; }
    // Resizes the panel and lays its controls out at `scale`; nothing
    // happens when it already has that scale.
    void SetScale(DisplayScale scale);

    // Esc pressed while the panel has the focus.
    std::function<void()> OnEscape;

    // The panel's windowless controls (its buttons).
    ControlSurface& Controls() { return controls_; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    bool TakesPress(POINT client) override;
    void OnScaleChanged(DisplayScale scale) override { SetScale(scale); }
    bool OnClose() override;
    // Places the controls and draws their pictures at Scale(): called once
    // the window exists and again whenever the scale changes.
    virtual void LayoutControls() {}
    // Whether pressing on the background drags the panel.
    virtual bool MovesByBackground() const { return true; }

private:
    const wchar_t* className_;
    TSize size96_;
    DisplayScale scale_;
    UniqueGdiObject surface_;
    ControlSurface controls_;
};

}  // namespace lg::win
