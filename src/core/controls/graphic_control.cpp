#include "controls/graphic_control.h"

#include "controls/control_host.h"

namespace lg {

TGraphicControl::~TGraphicControl() {
    if (host_) host_->Remove(*this);
}

void TGraphicControl::SetBounds(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    Invalidate();
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    Invalidate();
}

void TGraphicControl::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (host_) host_->ControlStateChanged(*this);
    Invalidate();
}

void TGraphicControl::SetVisible(bool visible) {
    if (visible == visible_) return;
    Invalidate();
    visible_ = visible;
    if (host_) host_->ControlStateChanged(*this);
    Invalidate();
}

void TGraphicControl::Click() {
    if (OnClick) OnClick(*this);
}

void TGraphicControl::Invalidate() {
    if (host_) host_->InvalidateControl(*this);
}

void TGraphicControl::MouseDown(TMouseButton button, TShiftState, int, int) {
    if (button == mbLeft) clicked_ = true;
}

void TGraphicControl::MouseMove(TShiftState, int, int) {}

void TGraphicControl::MouseUp(TMouseButton button, TShiftState, int x, int y) {
    if (button != mbLeft) return;
    const bool wasClicked = clicked_;
    clicked_ = false;
    // A press inside released inside is a click.
    if (wasClicked && x >= 0 && y >= 0 && x < width_ && y < height_) Click();
}

void TGraphicControl::MouseCaptureLost() {
    MouseUp(mbLeft, 0, -1, -1);
}

}  // namespace lg
