// A windowless control: a rectangle of its parent window that paints itself
// on the parent's surface and takes the mouse from it. The parent keeps the
// controls in a ControlHost, which routes painting and mouse events.
#pragma once

#include <functional>
#include <string>

#include "layers/input.h"
#include "raster/bitmap32.h"
#include "raster/font.h"
#include "raster/geometry.h"

namespace lg {

class ControlHost;

class TGraphicControl {
public:
    TGraphicControl() = default;
    virtual ~TGraphicControl();
    TGraphicControl(const TGraphicControl&) = delete;
    TGraphicControl& operator=(const TGraphicControl&) = delete;

    // ---- Place, in the parent's client coordinates -------------------
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    TRect BoundsRect() const { return TRect{left_, top_, left_ + width_, top_ + height_}; }
    void SetBounds(int left, int top, int width, int height);

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);

    // Tooltip text; empty shows none.
    std::u16string Hint;
    // The pointer's shape over the control; crDefault leaves the parent's.
    TCursor Cursor = crDefault;
    // Font of the caption, if the control draws one.
    TFontDesc Font;

    // Called by Click with the control as the sender.
    std::function<void(TGraphicControl& sender)> OnClick;
    // Runs the control's action, as a mouse click does. Owners call it to
    // run a button's action from a key or a command.
    virtual void Click();

    // Asks the parent to repaint the control's rectangle.
    void Invalidate();

    // ---- Called by the host ------------------------------------------
    // Paints the control with its top-left at (originX, originY) of
    // `canvas`, whose clip rectangle already keeps it inside its bounds.
    virtual void Paint(TBitmap32& canvas, int originX, int originY) = 0;
    virtual void MouseEnter() {}
    virtual void MouseLeave() {}
    // Coordinates are relative to the control's top-left.
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    // The control held the mouse and lost it (another window took it, or
    // the control was hidden or disabled). By default a left release outside
    // the control: no click, no pressed look. A control whose drag ends in a
    // result finishes it where the pointer was last seen instead.
    virtual void MouseCaptureLost();

private:
    friend class ControlHost;
    ControlHost* host_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool enabled_ = true;
    bool visible_ = true;
    bool clicked_ = false;  // a left press inside, waiting for its release
};

}  // namespace lg
