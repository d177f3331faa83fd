#include "controls/posbar.h"

#include <cmath>
#include <limits>

namespace lg {
namespace {

constexpr int kMinBarSize = 3;

// The cut setters add and subtract sizes to values anywhere in the int64
// range; saturating keeps a wide range from wrapping around.
std::int64_t SatAdd(std::int64_t a, std::int64_t b) {
    std::int64_t r;
    if (!__builtin_add_overflow(a, b, &r)) return r;
    return b > 0 ? std::numeric_limits<std::int64_t>::max()
                 : std::numeric_limits<std::int64_t>::min();
}

std::int64_t SatSub(std::int64_t a, std::int64_t b) {
    std::int64_t r;
    if (!__builtin_sub_overflow(a, b, &r)) return r;
    return b < 0 ? std::numeric_limits<std::int64_t>::max()
                 : std::numeric_limits<std::int64_t>::min();
}

int ToInt(std::int64_t v) {
    // Pixel offsets are saturated far outside any control; this only keeps
    // the sum with the origin in range.
    constexpr std::int64_t kLimit = std::int64_t{1} << 30;
    return static_cast<int>(v > kLimit ? kLimit : v < -kLimit ? -kLimit : v);
}

}  // namespace

TPosbar::TPosbar(DisplayScale scale) : scale_(scale) {
    SetBounds(0, 0, scale_.Px(150), scale_.Px(24));
}

void TPosbar::SetScale(DisplayScale scale) {
    if (scale == scale_) return;
    scale_ = scale;
    GrowTo(BarPixels());
    Invalidate();
}

// ---- Range and value -------------------------------------------------

void TPosbar::SetMin(std::int64_t v) {
    if (v == FMin) return;
    FMin = v;
    if (FPosition < v) FPosition = v;
    Invalidate();
}

void TPosbar::SetMax(std::int64_t v) {
    if (v == FMax) return;
    FMax = v;
    if (FPosition > v) FPosition = v;
    Invalidate();
}

void TPosbar::SetPosition(std::int64_t v) {
    if (v == FPosition) return;
    FPosition = v;
    if (FPosition > FMax) FPosition = FMax;
    if (FPosition < FMin) FPosition = FMin;
    Invalidate();
}

// ---- Look ------------------------------------------------------------

void TPosbar::SetBackColor(TColor32 c) {
    if (c == FBackColor) return;
    FBackColor = c;
    Invalidate();
}

void TPosbar::SetForeColor(TColor32 c) {
    if (c == FForeColor) return;
    FForeColor = c;
    Invalidate();
}

void TPosbar::SetBorderColor(TColor32 c) {
    if (c == FBorderColor) return;
    FBorderColor = c;
    Invalidate();
}

void TPosbar::SetSize(int v) {
    if (v == FSize) return;
    FSize = v < kMinBarSize ? kMinBarSize : v;
    bgBarPixels_ = 0;
    GrowTo(BarPixels());
    Invalidate();
}

int TPosbar::BarPixels() const {
    return bgBarPixels_ > 0 ? bgBarPixels_ : scale_.Px(FSize);
}

void TPosbar::GrowTo(int height) {
    if (Height() < height) SetBounds(Left(), Top(), Width(), height);
}

void TPosbar::SetPicture(TBitmap32& field, const TBitmap32& picture) {
    field = picture;
    if (!field.Empty()) field.SetDrawMode(dmBlend);
}

void TPosbar::SetThumbImage(const TBitmap32& picture) {
    SetPicture(FThumbImage, picture);
    if (!FThumbImage.Empty()) SetBounds(Left(), Top(), Width(), FThumbImage.Height());
    Invalidate();
}

void TPosbar::SetBgImage(const TBitmap32& picture) {
    SetPicture(FBgImage, picture);
    const int h = FBgImage.Height();
    GrowTo(h);
    // Size is in 96-DPI pixels; the picture already is at the display's.
    const int h96 = static_cast<int>(std::lround(h / scale_.Factor()));
    SetSize(h96);
    bgBarPixels_ = FSize == h96 ? h : 0;
    Invalidate();
}

void TPosbar::SetCutLeftImage(const TBitmap32& picture) {
    SetPicture(FCutLeftImage, picture);
    Invalidate();
}

void TPosbar::SetCutRightImage(const TBitmap32& picture) {
    SetPicture(FCutRightImage, picture);
    Invalidate();
}

// ---- Cut mode --------------------------------------------------------

void TPosbar::SetCutMode(bool v) {
    if (v == FCutMode) return;
    FCutMode = v;
    Invalidate();
}

void TPosbar::InvalidateUnlessDragging() {
    // While dragging, the move step repaints once for all of them.
    if (FMoving == msNone) Invalidate();
}

void TPosbar::SetCutBegin(std::int64_t v) {
    if (v == FCutBegin) return;
    if (v <= FMin) v = FMin;
    if (v >= FMax) v = FMax;
    if (v >= FCutEnd) v = FCutEnd;
    FCutBegin = v;
    const std::int64_t limit = SatSub(FCutEnd, FMinCutSize);
    if (FCutBegin > limit) FCutBegin = limit;
    InvalidateUnlessDragging();
}

void TPosbar::SetCutEnd(std::int64_t v) {
    if (v == FCutEnd) return;
    if (v >= FMax) v = FMax;
    if (v <= FMin) v = FMin;
    if (v <= FCutBegin) v = FCutBegin;
    FCutEnd = v;
    const std::int64_t limit = SatAdd(FCutBegin, FMinCutSize);
    if (FCutEnd < limit) FCutEnd = limit;
    InvalidateUnlessDragging();
}

void TPosbar::SetMinCutSize(std::int64_t v) {
    if (v == FMinCutSize) return;
    const std::int64_t range = SatSub(FMax, FMin);
    if (v > range) v = range;
    FMinCutSize = v;
    // Make room below Max first: otherwise the end would be pushed past Max
    // to keep the cut long enough.
    const std::int64_t lastBegin = SatSub(FMax, FMinCutSize);
    if (FCutBegin > lastBegin) FCutBegin = lastBegin < FMin ? FMin : lastBegin;
    const std::int64_t shortestEnd = SatAdd(FCutBegin, FMinCutSize);
    if (FCutEnd < shortestEnd) SetCutEnd(shortestEnd);
    InvalidateUnlessDragging();
}

// ---- Geometry --------------------------------------------------------

PosbarLayout TPosbar::Layout() const {
    const bool vertical = VerticalOrientation;
    const auto along = [vertical](const TBitmap32& b) { return vertical ? b.Height() : b.Width(); };
    PosbarExtents e;
    e.controlAlong = vertical ? Height() : Width();
    e.controlAcross = vertical ? Width() : Height();
    e.thumbAlong = along(FThumbImage);
    e.cutLeftAlong = along(FCutLeftImage);
    e.cutRightAlong = along(FCutRightImage);
    e.barSize = BarPixels();
    e.barVisible = BarVisible;
    e.cutMode = FCutMode;
    return ComputePosbarLayout(e);
}

std::int64_t TPosbar::PointerOffset(const PosbarLayout& l, int x, int y) const {
    return VerticalOrientation ? std::int64_t{Height()} - y - l.margin : std::int64_t{x} - l.margin;
}

std::int64_t TPosbar::ValueToPixel(std::int64_t value, const PosbarLayout& l) const {
    return PosbarValueToPixel(value, FMin, FMax, l.length);
}

std::int64_t TPosbar::PixelToValue(std::int64_t pixel, const PosbarLayout& l) const {
    return PosbarPixelToValue(pixel, FMin, FMax, l.length);
}

TPosbar::CutCorners TPosbar::PlaceCutHandles(const PosbarLayout& l) const {
    // With the bar shown the handles sit outside the cut, each with its
    // inner edge on the cut's edge; without it they sit inside.
    const std::int64_t cB = ValueToPixel(FCutBegin, l);
    const std::int64_t cE = ValueToPixel(FCutEnd, l);
    const std::int64_t beside = l.barOffset + l.barSize;
    CutCorners c;
    if (!VerticalOrientation) {
        const std::int64_t xB = l.margin + cB, xE = l.margin + cE;
        c.left = {BarVisible ? xB - FCutLeftImage.Width() : xB, beside};
        c.right = {BarVisible ? xE : xE - FCutRightImage.Width(), beside};
    } else {
        // Offsets count upwards: the begin handle is the lower one.
        const std::int64_t yB = Height() - l.margin - cB, yE = Height() - l.margin - cE;
        c.left = {beside, BarVisible ? yB : yB - FCutLeftImage.Height()};
        c.right = {beside, BarVisible ? yE - FCutRightImage.Height() : yE};
    }
    return c;
}

bool TPosbar::Inside(const TPoint64& corner, const TBitmap32& picture, int x, int y) {
    // A handle without a picture cannot be seen, so it cannot be taken.
    if (picture.Empty()) return false;
    return x >= corner.X && x <= corner.X + picture.Width() && y >= corner.Y &&
           y <= corner.Y + picture.Height();
}

// ---- Painting --------------------------------------------------------

void TPosbar::PaintGaugeRect(TBitmap32& canvas, int originX, int originY, const PosbarLayout& l,
                             std::int64_t from, std::int64_t to, TColor32 color) const {
    TRect r;
    if (!VerticalOrientation) {
        r = TRect{ToInt(l.margin + from), l.barOffset, ToInt(l.margin + to),
                  l.barOffset + l.barSize};
    } else {
        const std::int64_t base = std::int64_t{Height()} - l.margin;
        r = TRect{l.barOffset, ToInt(base - to), l.barOffset + l.barSize, ToInt(base - from)};
    }
    // An inverted rectangle (a cut or position before the start) fills nothing.
    canvas.FillRectTS(r.Left + originX, r.Top + originY, r.Right + originX, r.Bottom + originY,
                      color);
}

void TPosbar::Paint(TBitmap32& canvas, int originX, int originY) {
    canvas.SetFont(Font);
    if (OnPaint) OnPaint(canvas, originX, originY);

    const PosbarLayout l = Layout();
    FCurrentPos = ValueToPixel(FPosition, l);
    if (!FThumbImage.Empty()) {
        // The thumb never leaves the track.
        if (FCurrentPos > l.length) FCurrentPos = l.length;
        if (FCurrentPos < 0) FCurrentPos = 0;
    }

    if (BarVisible) {
        if (Style == pbsGauge) {
            PaintGaugeRect(canvas, originX, originY, l, 0, l.length, FBackColor);
            if (!FCutMode) PaintGaugeRect(canvas, originX, originY, l, 0, FCurrentPos, FForeColor);
        } else if (!FBgImage.Empty()) {
            if (!VerticalOrientation) {
                canvas.Draw(originX + l.margin, originY + l.barOffset, FBgImage);
            } else {
                canvas.Draw(originX + l.barOffset,
                            originY + Height() - l.margin - FBgImage.Height(), FBgImage);
            }
        }
    }

    if (FCutMode) {
        const CutCorners c = PlaceCutHandles(l);
        FLastCutLeft = c.left;
        FLastCutRight = c.right;
        if (BarVisible && Style == pbsGauge) {
            PaintGaugeRect(canvas, originX, originY, l, ValueToPixel(FCutBegin, l),
                           ValueToPixel(FCutEnd, l), FForeColor);
        }
        if (!FCutLeftImage.Empty()) {
            canvas.Draw(originX + ToInt(c.left.X), originY + ToInt(c.left.Y), FCutLeftImage);
        }
        if (!FCutRightImage.Empty()) {
            canvas.Draw(originX + ToInt(c.right.X), originY + ToInt(c.right.Y), FCutRightImage);
        }
    }

    if (!FThumbImage.Empty() && BarVisible) {
        const int tw = FThumbImage.Width(), th = FThumbImage.Height();
        const int pos = ToInt(FCurrentPos);
        if (!VerticalOrientation) {
            canvas.Draw(originX + l.margin + pos - tw / 2, originY + (Height() - th) / 2,
                        FThumbImage);
        } else {
            canvas.Draw(originX + (Width() - tw) / 2, originY + Height() - l.margin - pos - th / 2,
                        FThumbImage);
        }
    }
}

// ---- Mouse -----------------------------------------------------------

void TPosbar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl::MouseDown(button, shift, x, y);
    if (shift & ssDouble) return;
    const PosbarLayout l = Layout();
    OldMousePos = {x, y};
    FMovingPosition = PointerOffset(l, x, y);
    FMoving = msNone;
    if (FCutMode && button == mbLeft) {
        // Placed afresh, so a press before the first paint finds the
        // handles where they will be drawn.
        const CutCorners c = PlaceCutHandles(l);
        FLastCutLeft = c.left;
        FLastCutRight = c.right;
        if (Inside(c.left, FCutLeftImage, x, y)) {
            FMoving = msLeftCut;
            FCutDxDy = {x - c.left.X, y - c.left.Y};
        } else if (Inside(c.right, FCutRightImage, x, y)) {
            FMoving = msRightCut;
            FCutDxDy = {x - c.right.X, y - c.right.Y};
        }
    }
    if (FMoving == msNone && button == mbLeft) {
        FMoving = msProgress;
        SetPosition(PixelToValue(FMovingPosition, l));  // a click jumps there
    }
    if (OnChangePosBegin) OnChangePosBegin(*this, FMoving, FPosition);
}

void TPosbar::Follow(int x, int y) {
    const PosbarLayout l = Layout();
    if (FMoving == msProgress) {
        SetPosition(PixelToValue(PointerOffset(l, x, y), l));
        return;
    }
    // The handle keeps the point where it was taken under the pointer: its
    // corner moves with the pointer, and the cut edge follows the corner.
    const std::int64_t cornerX = x - FCutDxDy.X, cornerY = y - FCutDxDy.Y;
    const bool left = FMoving == msLeftCut;
    const TBitmap32& picture = left ? FCutLeftImage : FCutRightImage;
    // Whether the cut edge lies at the far side of the handle's picture
    // (the side away from the corner) rather than at the corner itself.
    std::int64_t edge;
    if (!VerticalOrientation) {
        const bool farSide = left == BarVisible;
        edge = cornerX + (farSide ? picture.Width() : 0) - l.margin;
    } else {
        const bool farSide = left != BarVisible;
        edge = Height() - l.margin - (cornerY + (farSide ? picture.Height() : 0));
    }
    const std::int64_t value = PixelToValue(edge, l);
    if (left) {
        SetCutBegin(value);
    } else {
        SetCutEnd(value);
    }
}

void TPosbar::MouseMove(TShiftState shift, int x, int y) {
    TGraphicControl::MouseMove(shift, x, y);
    if (FMoving == msNone || (OldMousePos == TPoint64{x, y})) return;
    Follow(x, y);
    OldMousePos = {x, y};
    // Repaint first: the handler may close the window that holds the bar.
    Invalidate();
    if (OnChangePosMoving) OnChangePosMoving(*this, FMoving, FPosition);
}

void TPosbar::Finish(int x, int y) {
    const TMovingState was = FMoving;
    if (was != msNone) Follow(x, y);
    FMoving = msNone;
    Invalidate();
    // Last: the owner may close the window that holds the bar from here.
    if (OnChangePosEnd) OnChangePosEnd(*this, was, FPosition);
}

void TPosbar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl::MouseUp(button, shift, x, y);
    Finish(x, y);
}

void TPosbar::MouseCaptureLost() {
    // No release came, so no click; the drag ends where the pointer was
    // last seen, not at the off-control point a release there would give.
    TGraphicControl::MouseUp(mbLeft, 0, -1, -1);
    Finish(static_cast<int>(OldMousePos.X), static_cast<int>(OldMousePos.Y));
}

}  // namespace lg
