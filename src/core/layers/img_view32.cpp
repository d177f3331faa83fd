#include "layers/img_view32.h"

#include <algorithm>

namespace lg {

// Brackets one paint: marks the view as painting, keeps the destination's
// clip rectangle, and restores both however the paint ends.
class PaintSession {
public:
    PaintSession(TImgView32& view, TBitmap32& dest) : view_(view), dest_(dest) {
        savedClip_ = dest.ClipRect();
        ++view_.painting_;
    }
    ~PaintSession() {
        dest_.SetClipRect(savedClip_);
        view_.EndPaint();
    }
    PaintSession(const PaintSession&) = delete;
    PaintSession& operator=(const PaintSession&) = delete;

private:
    TImgView32& view_;
    TBitmap32& dest_;
    TRect savedClip_;
};

TImgView32::TImgView32() = default;

TImgView32::~TImgView32() {
    // Nobody listens any more; the layers are freed without painting.
    OnInvalidate = nullptr;
}

void TImgView32::SetBitmap(const TBitmap32& src) {
    bitmap_ = src;
    ++bitmapGeneration_;
    Invalidate();
}

void TImgView32::SetColor(TColor32 c) {
    if (c == color_) return;
    color_ = c;
    Invalidate();
}

void TImgView32::SetClientSize(int width, int height) {
    clientWidth_ = std::max(0, width);
    clientHeight_ = std::max(0, height);
    Invalidate();
}

TRect TImgView32::ClientRect() const {
    if (clientWidth_ < 0) return bitmap_.BoundsRect();
    return TRect{0, 0, clientWidth_, clientHeight_};
}

void TImgView32::Invalidate() {
    InvalidateRect(ClientRect());
}

void TImgView32::InvalidateRect(const TRect& area) {
    const TRect r = IntersectRect(area, ClientRect());
    if (r.IsEmpty()) return;
    if (painting_ > 0) {
        heldBack_.Add(r);
        return;
    }
    followUpAllowed_ = true;
    MarkDirty(r);
}

void TImgView32::MarkDirty(const TRect& area) {
    dirty_.Add(area);
    if (OnInvalidate) OnInvalidate(area);
}

void TImgView32::EndPaint() {
    if (--painting_ > 0) return;
    std::vector<TRect> held = heldBack_.Take();
    if (held.empty() || !followUpAllowed_) return;
    followUpAllowed_ = false;
    for (const TRect& r : held) MarkDirty(r);
}

void TImgView32::Render(TBitmap32& dest, const TRect& area) {
    const TRect clip = IntersectRect(area, dest.BoundsRect());
    if (clip.IsEmpty()) return;
    PaintSession session(*this, dest);
    dest.SetClipRect(clip);
    for (int y = clip.Top; y < clip.Bottom; ++y) {
        std::fill(dest.PixelPtr(clip.Left, y), dest.PixelPtr(clip.Left, y) + clip.Width(), color_);
    }
    dest.Draw(0, 0, bitmap_);
    // By index and re-counted each time: a paint hook may add or remove
    // layers. The clip is set again for every layer in case one changed it.
    for (int i = 0; i < layers_.Count(); ++i) {
        TCustomLayer* layer = layers_.Items(i);
        if (!layer->Visible()) continue;
        dest.SetClipRect(clip);
        if (layer->OnPaint) ++paintHookRuns_;
        layer->PaintLayer(dest);
    }
}

void TImgView32::PaintTo(TBitmap32& dest, const TRect& destRect) {
    const TRect target = IntersectRect(destRect, dest.ClipRect());
    if (target.IsEmpty()) return;
    if (destRect.Left == 0 && destRect.Top == 0) {
        Render(dest, target);
        return;
    }
    // Layers paint in view coordinates, so a shifted target is rendered
    // apart and then copied into place.
    TBitmap32 scratch(destRect.Width(), destRect.Height());
    Render(scratch, scratch.BoundsRect());
    const TRect savedClip = dest.ClipRect();
    dest.SetClipRect(target);
    dest.Draw(destRect.Left, destRect.Top, scratch);
    dest.SetClipRect(savedClip);
}

void TImgView32::PaintArea(TBitmap32& buffer, const TRect& area) {
    Render(buffer, IntersectRect(area, buffer.ClipRect()));
}

std::vector<TRect> TImgView32::PaintDirtyRects(TBitmap32& buffer, const TRect& exposed) {
    // The system's area usually holds the view's own rectangles (it was
    // asked to repaint them); merged, each pixel is painted once.
    dirty_.Add(IntersectRect(exposed, ClientRect()));
    std::vector<TRect> rects = dirty_.Take();
    // One outer session, so what the hooks change in any of the rectangles
    // is held back together and followed up at most once.
    PaintSession session(*this, buffer);
    for (const TRect& r : rects) PaintArea(buffer, r);
    return rects;
}

TCursor TImgView32::CurrentCursor() const {
    if (screenCursor_ != crDefault) return screenCursor_;
    const TCustomLayer* layer = layers_.MouseListener();
    if (!layer) layer = layers_.HoverLayer();
    if (layer && layer->Cursor() != crDefault) return layer->Cursor();
    return cursor_;
}

void TImgView32::NotePointer(TShiftState shift, int x, int y) {
    lastShift_ = shift;
    lastX_ = x;
    lastY_ = y;
}

void TImgView32::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    NotePointer(shift, x, y);
    if (std::find(held_.begin(), held_.end(), button) == held_.end()) held_.push_back(button);
    TCustomLayer* layer = layers_.MouseDown(button, shift, x, y);
    if (OnMouseDown) OnMouseDown(button, shift, x, y, layer);
}

void TImgView32::MouseMove(TShiftState shift, int x, int y) {
    NotePointer(shift, x, y);
    const bool wasOverLayer = layers_.MouseListener() == nullptr && layers_.HoverLayer() != nullptr;
    TCustomLayer* layer = layers_.MouseMove(shift, x, y);
    // A layer sets the override while the pointer is over it; when the
    // pointer leaves every layer nobody would take it back, so the view does.
    if (wasOverLayer && layers_.MouseListener() == nullptr && layers_.HoverLayer() == nullptr) {
        screenCursor_ = crDefault;
    }
    if (OnMouseMove) OnMouseMove(shift, x, y, layer);
}

void TImgView32::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    NotePointer(shift, x, y);
    // Forgotten before anyone hears of the release: if a handler makes the
    // host lose the mouse (it hides the window, opens a dialog), that loss
    // finds nothing left to release.
    std::erase(held_, button);
    TCustomLayer* layer = layers_.MouseUp(button, shift, x, y);
    if (OnMouseUp) OnMouseUp(button, shift, x, y, layer);
}

void TImgView32::CaptureLost() {
    if (held_.empty()) return;
    constexpr TShiftState kButtons = ssLeft | ssRight | ssMiddle;
    const auto bitOf = [](TMouseButton b) -> TShiftState {
        return b == mbLeft ? ssLeft : b == mbRight ? ssRight : ssMiddle;
    };
    const auto keys = static_cast<TShiftState>(lastShift_ & ~(kButtons | ssDouble));
    const int x = lastX_, y = lastY_;
    // A copy: each release takes its button off the list, and a handler may
    // change it further.
    const std::vector<TMouseButton> buttons = held_;
    for (TMouseButton b : buttons) {
        if (std::find(held_.begin(), held_.end(), b) == held_.end()) continue;
        // A release carries the buttons still down after it.
        TShiftState shift = keys;
        for (TMouseButton other : held_) {
            if (other != b) shift |= bitOf(other);
        }
        MouseUp(b, shift, x, y);
    }
    // Whatever a handler pressed or a layer was handed the mouse for,
    // nothing can drag it now.
    held_.clear();
    layers_.SetMouseListener(nullptr);
}

void TImgView32::KeyPress(char16_t& key) {
    if (OnKeyPress) OnKeyPress(key);
}

void TImgView32::KeyDown(std::uint16_t& key, TShiftState shift) {
    if (OnKeyDown) OnKeyDown(key, shift);
}

void TImgView32::MouseWheel(TShiftState shift, int delta) {
    if (OnMouseWheel) OnMouseWheel(shift, delta);
}

}  // namespace lg
