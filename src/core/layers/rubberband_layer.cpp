#include "layers/rubberband_layer.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace lg {

namespace {

// Centres of the handles: the corner pixels of the outline and the middles
// of its sides, so that what is drawn and what is grabbed agree.
struct HandlePoints {
    int left, midX, right;
    int top, midY, bottom;
};

HandlePoints HandlesOf(const TRect& f) {
    HandlePoints p{};
    p.left = f.Left;
    p.right = std::max(f.Left, f.Right - 1);
    p.midX = (p.left + p.right) / 2;
    p.top = f.Top;
    p.bottom = std::max(f.Top, f.Bottom - 1);
    p.midY = (p.top + p.bottom) / 2;
    return p;
}

bool Has(TRBHandles set, TRBHandles bit) {
    return (set & bit) != 0;
}

}  // namespace

TCursor DragStateCursor(TDragState state) {
    switch (state) {
        case dsMove:
            return crSizeAll;
        case dsSizeL:
        case dsSizeR:
            return crSizeWE;
        case dsSizeT:
        case dsSizeB:
            return crSizeNS;
        case dsSizeTL:
        case dsSizeBR:
            return crSizeNWSE;
        case dsSizeTR:
        case dsSizeBL:
            return crSizeNESW;
        case dsNone:
            break;
    }
    return crDefault;
}

TRubberbandLayer::TRubberbandLayer() = default;

void TRubberbandLayer::SetHandles(TRBHandles handles) {
    Restyle([&] { handles_ = handles; });
}

void TRubberbandLayer::SetHandleSize(int size) {
    // A handle wider than a screen is a mistake; keep the sums in range.
    Restyle([&] { handleSize_ = std::clamp(size, 0, 4096); });
}

void TRubberbandLayer::SetHandleFill(TColor32 c) {
    Restyle([&] { handleFill_ = c; });
}

void TRubberbandLayer::SetHandleFrame(TColor32 c) {
    Restyle([&] { handleFrame_ = c; });
}

void TRubberbandLayer::SetFrameStipple(std::span<const TColor32> pattern) {
    Restyle([&] { stipple_.assign(pattern.begin(), pattern.end()); });
}

void TRubberbandLayer::SetFrameStippleStep(double step) {
    Restyle([&] { stippleStep_ = step; });
}

void TRubberbandLayer::SetFrameStippleCounter(double counter) {
    Restyle([&] { stippleCounter_ = counter; });
}

bool TRubberbandLayer::SetChildLayer(TPositionedLayer* child) {
    if (child == this) return false;
    if (child && (LayerCollection() == nullptr || child->LayerCollection() != LayerCollection())) {
        return false;
    }
    child_ = child;
    if (child_) SetLocation(child_->Location());
    return true;
}

void TRubberbandLayer::LocationChanged() {
    if (child_) child_->SetLocation(Location());
}

void TRubberbandLayer::LayerRemoved(TCustomLayer& layer) {
    if (&layer == child_) child_ = nullptr;
}

TRect TRubberbandLayer::PaintBounds() const {
    const TRect f = FrameRect();
    if (!Has(handles_, rhCorners | rhSides)) return f;
    const HandlePoints p = HandlesOf(f);
    const int s = handleSize_;
    return TRect{p.left - s, p.top - s, std::max(f.Right, p.right + 1 + s),
                 std::max(f.Bottom, p.bottom + 1 + s)};
}

TDragState TRubberbandLayer::GetDragState(int x, int y) const {
    const HandlePoints p = HandlesOf(FrameRect());
    // The tolerance reaches one pixel past the drawn square.
    const std::int64_t t = handleSize_ + 1;
    auto near = [&](int hx, int hy) {
        return std::llabs(std::int64_t{x} - hx) <= t && std::llabs(std::int64_t{y} - hy) <= t;
    };
    if (Has(handles_, rhCorners)) {
        if (!Has(handles_, rhNotBRCorner) && near(p.right, p.bottom)) return dsSizeBR;
        if (!Has(handles_, rhNotBLCorner) && near(p.left, p.bottom)) return dsSizeBL;
        if (!Has(handles_, rhNotTRCorner) && near(p.right, p.top)) return dsSizeTR;
        if (!Has(handles_, rhNotTLCorner) && near(p.left, p.top)) return dsSizeTL;
    }
    if (Has(handles_, rhSides)) {
        if (!Has(handles_, rhNotRightSide) && near(p.right, p.midY)) return dsSizeR;
        if (!Has(handles_, rhNotBottomSide) && near(p.midX, p.bottom)) return dsSizeB;
        if (!Has(handles_, rhNotLeftSide) && near(p.left, p.midY)) return dsSizeL;
        if (!Has(handles_, rhNotTopSide) && near(p.midX, p.top)) return dsSizeT;
    }
    if (Has(handles_, rhCenter) && TPositionedLayer::DoHitTest(x, y)) return dsMove;
    return dsNone;
}

bool TRubberbandLayer::DoHitTest(int x, int y) const {
    return GetDragState(x, y) != dsNone;
}

void TRubberbandLayer::DoMouseDown(TMouseButton, TShiftState, int x, int y) {
    if (FIsDragging) return;
    FDragState = GetDragState(x, y);
    FIsDragging = FDragState != dsNone;
    if (!FIsDragging) return;
    FOldLocation = Location();
    FMouseShift = FDragState == dsMove ? TFloatPoint{static_cast<float>(x) - FOldLocation.Left,
                                                     static_cast<float>(y) - FOldLocation.Top}
                                       : TFloatPoint{};
}

TFloatRect TRubberbandLayer::DragLocation(int x, int y) const {
    const float mx = static_cast<float>(x) - FMouseShift.X;
    const float my = static_cast<float>(y) - FMouseShift.Y;
    TFloatRect r = FOldLocation;
    if (FDragState == dsMove) {
        const float w = r.Right - r.Left, h = r.Bottom - r.Top;
        return TFloatRect{mx, my, mx + w, my + h};
    }
    switch (FDragState) {
        case dsSizeL:
        case dsSizeTL:
        case dsSizeBL:
            r.Left = std::min(mx, r.Right - minWidth_);
            break;
        case dsSizeR:
        case dsSizeTR:
        case dsSizeBR:
            r.Right = std::max(mx, r.Left + minWidth_);
            break;
        default:
            break;
    }
    switch (FDragState) {
        case dsSizeT:
        case dsSizeTL:
        case dsSizeTR:
            r.Top = std::min(my, r.Bottom - minHeight_);
            break;
        case dsSizeB:
        case dsSizeBL:
        case dsSizeBR:
            r.Bottom = std::max(my, r.Top + minHeight_);
            break;
        default:
            break;
    }
    return r;
}

void TRubberbandLayer::DoMouseMove(TShiftState shift, int x, int y) {
    if (!FIsDragging) {
        FDragState = GetDragState(x, y);
        SetScreenCursor(DragStateCursor(FDragState));
        return;
    }
    TFloatRect next = DragLocation(x, y);
    if (OnResizing) OnResizing(*this, FOldLocation, next, FDragState, shift);
    SetLocation(next);
}

void TRubberbandLayer::DoMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    FIsDragging = false;
    TPositionedLayer::DoMouseUp(button, shift, x, y);
}

void TRubberbandLayer::DrawHandle(TBitmap32& buffer, int cx, int cy) const {
    const int s = handleSize_;
    const TRect sq{cx - s, cy - s, cx + s + 1, cy + s + 1};
    // The frame as four strips and the inside apart, so a translucent frame
    // colour is never laid under the fill.
    buffer.FillRectTS(sq.Left, sq.Top, sq.Right, sq.Top + 1, handleFrame_);
    if (sq.Height() > 1)
        buffer.FillRectTS(sq.Left, sq.Bottom - 1, sq.Right, sq.Bottom, handleFrame_);
    buffer.FillRectTS(sq.Left, sq.Top + 1, sq.Left + 1, sq.Bottom - 1, handleFrame_);
    if (sq.Width() > 1)
        buffer.FillRectTS(sq.Right - 1, sq.Top + 1, sq.Right, sq.Bottom - 1, handleFrame_);
    buffer.FillRectTS(sq.Left + 1, sq.Top + 1, sq.Right - 1, sq.Bottom - 1, handleFill_);
}

void TRubberbandLayer::DoPaint(TBitmap32& buffer) {
    const TRect f = FrameRect();
    if (Has(handles_, rhFrame) && !stipple_.empty()) {
        // The stipple belongs to the buffer; lend it ours and give it back.
        const std::vector<TColor32> savedPattern(buffer.Stipple().begin(), buffer.Stipple().end());
        const double savedStep = buffer.StippleStep(), savedCounter = buffer.StippleCounter();
        buffer.SetStipple(stipple_);
        buffer.SetStippleStep(stippleStep_);
        buffer.SetStippleCounter(stippleCounter_);
        buffer.FrameRectTSP(f);
        buffer.SetStipple(savedPattern);
        buffer.SetStippleStep(savedStep);
        buffer.SetStippleCounter(savedCounter);
    }
    const HandlePoints p = HandlesOf(f);
    if (Has(handles_, rhCorners)) {
        if (!Has(handles_, rhNotTLCorner)) DrawHandle(buffer, p.left, p.top);
        if (!Has(handles_, rhNotTRCorner)) DrawHandle(buffer, p.right, p.top);
        if (!Has(handles_, rhNotBLCorner)) DrawHandle(buffer, p.left, p.bottom);
        if (!Has(handles_, rhNotBRCorner)) DrawHandle(buffer, p.right, p.bottom);
    }
    if (Has(handles_, rhSides)) {
        if (!Has(handles_, rhNotTopSide)) DrawHandle(buffer, p.midX, p.top);
        if (!Has(handles_, rhNotLeftSide)) DrawHandle(buffer, p.left, p.midY);
        if (!Has(handles_, rhNotRightSide)) DrawHandle(buffer, p.right, p.midY);
        if (!Has(handles_, rhNotBottomSide)) DrawHandle(buffer, p.midX, p.bottom);
    }
}

}  // namespace lg
