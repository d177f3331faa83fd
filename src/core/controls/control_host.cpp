#include "controls/control_host.h"

#include <algorithm>

namespace lg {

ControlHost::~ControlHost() {
    for (TGraphicControl* c : controls_) c->host_ = nullptr;
}

void ControlHost::Add(TGraphicControl& control) {
    if (control.host_ == this) return;
    if (control.host_) control.host_->Remove(control);
    controls_.push_back(&control);
    control.host_ = this;
    InvalidateControl(control);
}

void ControlHost::Remove(TGraphicControl& control) {
    auto it = std::find(controls_.begin(), controls_.end(), &control);
    if (it == controls_.end()) return;
    InvalidateControl(control);
    controls_.erase(it);
    control.host_ = nullptr;
    if (hovered_ == &control) hovered_ = nullptr;
    if (captured_ == &control) captured_ = nullptr;
}

void ControlHost::Paint(TBitmap32& surface, const TRect& dirty) {
    for (TGraphicControl* c : controls_) {
        if (!c->Visible()) continue;
        const TRect clip =
            IntersectRect(IntersectRect(c->BoundsRect(), dirty), surface.BoundsRect());
        if (clip.IsEmpty()) continue;
        surface.SetClipRect(clip);
        c->Paint(surface, c->Left(), c->Top());
    }
    surface.ResetClipRect();
}

TGraphicControl* ControlHost::ControlAt(int x, int y, bool allowDisabled) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TGraphicControl* c = *it;
        if (!c->Visible() || (!allowDisabled && !c->Enabled())) continue;
        const TRect r = c->BoundsRect();
        if (x >= r.Left && y >= r.Top && x < r.Right && y < r.Bottom) return c;
    }
    return nullptr;
}

void ControlHost::SetHovered(TGraphicControl* control) {
    if (control == hovered_) return;
    TGraphicControl* old = hovered_;
    hovered_ = control;
    if (old) old->MouseLeave();
    if (control) control->MouseEnter();
}

void ControlHost::MouseMove(TShiftState shift, int x, int y) {
    // Enter and leave follow the pointer even while another control holds
    // the mouse, so dragging out of a pressed button un-hovers it.
    SetHovered(ControlAt(x, y));
    TGraphicControl* target = captured_ ? captured_ : hovered_;
    if (target) target->MouseMove(shift, x - target->Left(), y - target->Top());
}

void ControlHost::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    SetHovered(ControlAt(x, y));
    TGraphicControl* target = captured_ ? captured_ : hovered_;
    if (!target) return;
    captured_ = target;
    target->MouseDown(button, shift, x - target->Left(), y - target->Top());
}

void ControlHost::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl* target = captured_ ? captured_ : ControlAt(x, y);
    constexpr TShiftState kButtons = ssLeft | ssRight | ssMiddle;
    if ((shift & kButtons) == 0) captured_ = nullptr;
    // The click handler may hide or disable controls, or the whole window.
    if (target) target->MouseUp(button, shift, x - target->Left(), y - target->Top());
}

void ControlHost::MouseLeave() {
    if (!captured_) SetHovered(nullptr);
}

void ControlHost::CaptureLost() {
    TGraphicControl* c = captured_;
    if (!c) return;
    // Let go first, as a release does, then let the control end its press:
    // a button's press ends outside it (losing the mouse is no click and
    // leaves no pressed look); a slider's drag ends where it stood.
    captured_ = nullptr;
    c->MouseCaptureLost();
    SetHovered(nullptr);
}

TCursor ControlHost::CursorAt(int x, int y) const {
    const TGraphicControl* c = ControlAt(x, y, true);
    return c ? c->Cursor : crDefault;
}

void ControlHost::InvalidateControl(const TGraphicControl& control) {
    if (invalidate_ && control.Width() > 0 && control.Height() > 0)
        invalidate_(control.BoundsRect());
}

void ControlHost::ControlStateChanged(TGraphicControl& control) {
    if (control.Enabled() && control.Visible()) return;
    // A control that can no longer take the mouse lets go of it.
    if (captured_ == &control) {
        captured_ = nullptr;
        control.MouseCaptureLost();
    }
    if (hovered_ == &control) SetHovered(nullptr);
}

}  // namespace lg
