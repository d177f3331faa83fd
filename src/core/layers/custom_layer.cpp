#include "layers/custom_layer.h"

#include "layers/img_view32.h"
#include "layers/layer_collection.h"

namespace lg {

TImgView32* TCustomLayer::View() const {
    return collection_ ? collection_->Owner() : nullptr;
}

int TCustomLayer::Index() const {
    return collection_ ? collection_->IndexOf(this) : -1;
}

void TCustomLayer::SetLayerOptions(TLayerOptions options) {
    const TLayerOptions old = options_;
    options_ = options;
    const bool visibilityChanged = ((old ^ options) & loVisible) != 0;
    if (visibilityChanged && ((old | options) & loNoUpdate) == 0) Invalidate(PaintBounds());
}

void TCustomLayer::SetVisible(bool visible) {
    SetLayerOptions(visible ? options_ | loVisible : options_ & ~loVisible);
}

void TCustomLayer::SetMouseEvents(bool enabled) {
    SetLayerOptions(enabled ? options_ | loMouseEvents : options_ & ~loMouseEvents);
}

void TCustomLayer::Changed() {
    Changed(PaintBounds());
}

void TCustomLayer::Changed(const TRect& area) {
    if (Visible() && (options_ & loNoUpdate) == 0) Invalidate(area);
}

void TCustomLayer::Update() {
    Update(PaintBounds());
}

void TCustomLayer::Update(const TRect& area) {
    Invalidate(area);
}

void TCustomLayer::BoundsChanged(const TRect& oldBounds, const TRect& newBounds) {
    if (!Visible() || (options_ & loNoUpdate) != 0) return;
    // Two rectangles, not their bounding box: a layer moved far across the
    // view repaints its old and new places only.
    Invalidate(oldBounds);
    Invalidate(newBounds);
}

void TCustomLayer::Invalidate(const TRect& area) {
    if (TImgView32* view = View()) view->InvalidateRect(area);
}

void TCustomLayer::SetScreenCursor(TCursor cursor) {
    if (TImgView32* view = View()) view->SetScreenCursor(cursor);
}

// Each hook is called through a copy: the closure lives in the layer, and a
// hook that has its own layer deleted would otherwise run on freed memory.
void TCustomLayer::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    DoMouseDown(button, shift, x, y);
    if (auto hook = OnMouseDown) hook(*this, button, shift, x, y);
}

void TCustomLayer::MouseMove(TShiftState shift, int x, int y) {
    DoMouseMove(shift, x, y);
    if (auto hook = OnMouseMove) hook(*this, shift, x, y);
}

void TCustomLayer::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    DoMouseUp(button, shift, x, y);
    if (auto hook = OnMouseUp) hook(*this, button, shift, x, y);
}

void TCustomLayer::PaintLayer(TBitmap32& buffer) {
    DoPaint(buffer);
    if (auto hook = OnPaint) hook(*this, buffer);
}

bool TCustomLayer::DoHitTest(int, int) const {
    return true;
}

void TCustomLayer::DoMouseDown(TMouseButton, TShiftState, int, int) {}

void TCustomLayer::DoMouseMove(TShiftState, int, int) {
    SetScreenCursor(cursor_);
}

void TCustomLayer::DoMouseUp(TMouseButton, TShiftState, int, int) {
    SetScreenCursor(crDefault);
}

void TCustomLayer::DoPaint(TBitmap32&) {}

void TCustomLayer::LayerRemoved(TCustomLayer&) {}

}  // namespace lg
