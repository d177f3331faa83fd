// The windowless-control layer of a parent window: it paints the controls
// in order onto the window's surface, finds the control under the pointer,
// tracks enter and leave, and keeps the mouse with the control that was
// pressed until the last button is released. The window translates its
// messages into these calls and repaints what `invalidate` asks for.
#pragma once

#include <functional>
#include <vector>

#include "controls/graphic_control.h"

namespace lg {

class ControlHost {
public:
    explicit ControlHost(std::function<void(const TRect&)> invalidate = nullptr)
        : invalidate_(std::move(invalidate)) {}
    ~ControlHost();
    ControlHost(const ControlHost&) = delete;
    ControlHost& operator=(const ControlHost&) = delete;

    void SetInvalidate(std::function<void(const TRect&)> invalidate) {
        invalidate_ = std::move(invalidate);
    }

    // Adds a control on top of the others. Not owned: the control must
    // outlive its membership (a control removes itself when it dies).
    void Add(TGraphicControl& control);
    void Remove(TGraphicControl& control);

    // Paints every visible control that meets `dirty` onto `surface`.
    void Paint(TBitmap32& surface, const TRect& dirty);

    // The topmost visible control containing (x, y); disabled controls
    // count only when `allowDisabled`.
    TGraphicControl* ControlAt(int x, int y, bool allowDisabled = false) const;

    // Mouse input in the parent's client coordinates. `shift` holds the
    // buttons still down after the event.
    void MouseMove(TShiftState shift, int x, int y);
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    // The pointer left the parent window.
    void MouseLeave();
    // The parent lost the mouse capture (another window took it): the
    // pressed control lets go (TGraphicControl::MouseCaptureLost) without a
    // click. Nothing happens while no control holds the mouse. (The image
    // view ends its drags as releases, since a drag's end is its result;
    // the position bar does the same where the pointer was last seen.)
    void CaptureLost();

    // A control holds the mouse: the window keeps the system capture.
    bool Capturing() const { return captured_ != nullptr; }
    TGraphicControl* Hovered() const { return hovered_; }

    // The cursor to show at (x, y): the control's, or crDefault.
    TCursor CursorAt(int x, int y) const;

    // Called by controls.
    void InvalidateControl(const TGraphicControl& control);
    void ControlStateChanged(TGraphicControl& control);

private:
    void SetHovered(TGraphicControl* control);

    std::function<void(const TRect&)> invalidate_;
    std::vector<TGraphicControl*> controls_;
    TGraphicControl* hovered_ = nullptr;
    TGraphicControl* captured_ = nullptr;
};

}  // namespace lg
