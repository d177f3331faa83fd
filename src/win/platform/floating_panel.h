// A borderless, topmost tool window of fixed size on the panel surface
// colour, owned by another window, moved by dragging its background: what
// the output panel, the palette and the pickers share.
#pragma once

#include <windows.h>

#include <functional>

#include "platform/handles.h"
#include "platform/window.h"

namespace lg::win {

// The panels' surface, RGB (9, 26, 50).
inline constexpr COLORREF kPanelSurface = RGB(9, 26, 50);

class FloatingPanel : public Window {
public:
    FloatingPanel(const wchar_t* className, int width, int height)
        : className_(className), width_(width), height_(height) {}

    bool CreatePanel(HWND owner);
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Showing() const { return hwnd() && IsWindowVisible(hwnd()); }
    void ShowPanel();
    void HidePanel();
    void MoveTo(int left, int top);

    // Esc pressed while the panel has the focus.
    std::function<void()> OnEscape;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    // Paints the content over the surface; the base paints the surface only.
    virtual void PaintContent(HDC) {}

private:
    const wchar_t* className_;
    int width_, height_;
    UniqueGdiObject surface_;
};

}  // namespace lg::win
