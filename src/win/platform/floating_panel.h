// A borderless, topmost tool window of fixed size on the panel surface
// colour, owned by another window, holding windowless controls and moved
// by dragging its background: what the output panel, the palette and the
// pickers share.
#pragma once

#include <windows.h>

#include <functional>

#include "art/art_colors.h"
#include "controls/control_surface.h"
#include "platform/handles.h"
#include "platform/window.h"

namespace lg::win {

class FloatingPanel : public Window {
public:
    FloatingPanel(const wchar_t* className, int width, int height)
        : className_(className), width_(width), height_(height), controls_(art::kPanelSurface) {}

    bool CreatePanel(HWND owner);
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Showing() const { return hwnd() && IsWindowVisible(hwnd()); }
    void ShowPanel();
    void HidePanel();
    void MoveTo(int left, int top);

    // Esc pressed while the panel has the focus.
    std::function<void()> OnEscape;

    // The panel's windowless controls (its buttons).
    ControlSurface& Controls() { return controls_; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    const wchar_t* className_;
    int width_, height_;
    UniqueGdiObject surface_;
    ControlSurface controls_;
};

}  // namespace lg::win
