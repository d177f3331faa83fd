#include "capture/rubberband_layer_new.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "layers/img_view32.h"
#include "raster/shapes.h"

namespace lg {
namespace {

// The frame's dashes: four white pixels, four black.
constexpr TColor32 kStipple[8] = {0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu,
                                  0xFF000000u, 0xFF000000u, 0xFF000000u, 0xFF000000u};
constexpr TColor32 kPromptShadow = 0xFF808080u;
constexpr TColor32 kLabelBox = 0x7F000000u;
// What the frame, the handles (radius 6) and the size label may cover
// around the selection; the label needs the text's height plus 12 above.
constexpr int kHandleReach = 8;
constexpr int kLabelReachUp = 48;
constexpr int kLabelReachRight = 200;
// The prompt box and its shadow beside the pointer.
constexpr int kPromptOffset = 15;
constexpr int kPromptReach = 320;

}  // namespace

std::u16string SelectionSizeLabel(int width, int height) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%dx%d", width, height);
    return std::u16string(buf, buf + std::char_traits<char>::length(buf));
}

TRubberbandLayerNew::TRubberbandLayerNew() {
    SetHandleSize(3);
    SetHandleFrame(0xFF000000u);
    SetHandleFill(0xFFFFFFFFu);
    SetFrameStipple(kStipple);
    SetFrameStippleStep(1.0);
    SetFrameStippleCounter(0);
    labelFont_.Family = u"Noto Sans";
    labelFont_.Size = 10;
    labelFont_.Color = 0xFF000000u;
}

void TRubberbandLayerNew::RepaintAll() {
    if (TImgView32* view = View()) view->Invalidate();
}

void TRubberbandLayerNew::SetRectWork(const TRect& r) {
    if (r == FRectWork) return;
    FRectWork = r;
    RepaintAll();
}

void TRubberbandLayerNew::SetVisibleRect(bool visible) {
    if (visible == FVisibleRect) return;
    FVisibleRect = visible;
    // The dimming changes everywhere.
    RepaintAll();
}

void TRubberbandLayerNew::SetSelectState(TSelectState state) {
    if (state == FSelectState) return;
    FSelectState = state;
    RepaintAll();
}

void TRubberbandLayerNew::SetPointerPos(int x, int y) {
    if (x == pointerX_ && y == pointerY_) return;
    const TRect before = PaintBounds();
    pointerX_ = x;
    pointerY_ = y;
    if (!FVisibleRect) BoundsChanged(before, PaintBounds());
}

TRect TRubberbandLayerNew::PaintBounds() const {
    if (!FVisibleRect) {
        const int px = pointerX_ + kPromptOffset, py = pointerY_ + kPromptOffset;
        return TRect{px, py, px + kPromptReach, py + 96};
    }
    // Outside the selection the dimming looks the same wherever the
    // selection is, so a move repaints only the old and new selection
    // with their frame, handles and label.
    TRect r = RoundRect(Location());
    return TRect{r.Left - kHandleReach, r.Top - kLabelReachUp,
                 std::max(r.Right + kHandleReach, r.Left + kLabelReachRight),
                 r.Bottom + kHandleReach};
}

TDragState TRubberbandLayerNew::GetDragState(int x, int y) const {
    if (!FVisibleRect || FSelectState == ssNoVis || FSelectState == ssMove) return dsNone;
    const int t = 2 * HandleSize() + 1;
    const TFloatRect& loc = Location();
    TRect r{RoundCoord(loc.Left), RoundCoord(loc.Top), RoundCoord(loc.Right) - 1,
            RoundCoord(loc.Bottom) - 1};
    const bool nearL = std::abs(r.Left - x) <= t;
    const bool nearR = std::abs(r.Right - x) <= t;
    const bool nearT = std::abs(r.Top - y) <= t;
    const bool nearB = std::abs(r.Bottom - y) <= t;
    if (nearR && nearB) return dsSizeBR;
    if (nearL && nearB) return dsSizeBL;
    if (nearR && nearT) return dsSizeTR;
    if (nearL && nearT) return dsSizeTL;
    if (nearR) return dsSizeR;
    if (nearB) return dsSizeB;
    if (nearL) return dsSizeL;
    if (nearT) return dsSizeT;
    const bool inside = x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
    if (!inside) return dsMove;
    return (HasCurrentTool && HasCurrentTool()) ? dsNone : dsMove;
}

void TRubberbandLayerNew::DoMouseMove(TShiftState shift, int x, int y) {
    if ((shift & ssRight) || FSelectState == ssMove) return;
    if (!FIsDragging) {
        FDragState = GetDragState(x, y);
        SetScreenCursor(DragStateCursor(FDragState));
        return;
    }
    const float mx = static_cast<float>(x) - FMouseShift.X;
    const float my = static_cast<float>(y) - FMouseShift.Y;
    float l = FOldLocation.Left, t = FOldLocation.Top, r = FOldLocation.Right,
          b = FOldLocation.Bottom;
    const float w = r - l, h = b - t;
    const TDragState ds = FDragState;
    if (ds == dsMove) {
        l = mx;
        t = my;
        r = mx + w;
        b = my + h;
    } else {
        if (ds == dsSizeL || ds == dsSizeTL || ds == dsSizeBL) l = mx;
        if (ds == dsSizeR || ds == dsSizeTR || ds == dsSizeBR) r = mx;
        if (r < l) std::swap(l, r);
        if (ds == dsSizeT || ds == dsSizeTL || ds == dsSizeTR) t = my;
        if (ds == dsSizeB || ds == dsSizeBL || ds == dsSizeBR) b = my;
        if (b < t) std::swap(t, b);
    }
    TFloatRect next{l, t, r, b};
    if (OnResizing) OnResizing(*this, FOldLocation, next, ds, shift);
    if (!(next == Location())) SetLocation(next);
}

void TRubberbandLayerNew::DoPaint(TBitmap32& buffer) {
    if (FVisibleRect) {
        PaintSelection(buffer);
    } else {
        PaintPrompt(buffer);
    }
}

void TRubberbandLayerNew::PaintPrompt(TBitmap32& buffer) {
    const int w = FRectWork.Width(), h = FRectWork.Height();
    buffer.FillRectTS(TRect{0, 0, w, h}, kSelectionDim);

    const TFontDesc saved = buffer.Font();
    buffer.SetFont(labelFont_);
    const TSize ext = buffer.TextExtent(kSelectPrompt);
    const int px = pointerX_ + kPromptOffset, py = pointerY_ + kPromptOffset;
    buffer.FillRectTS(TRect{px + 2, py + 2, px + ext.cx + 12, py + ext.cy + 12}, kPromptShadow);
    buffer.FillRectTS(TRect{px, py, px + ext.cx + 10, py + ext.cy + 10}, 0xFFFFFFFFu);
    // Centred in the box on one line: the box is 10 wider and higher.
    buffer.Font().Color = 0xFF000000u;
    buffer.Textout(px + 5, py + 5, kSelectPrompt);
    buffer.SetFont(saved);
}

void TRubberbandLayerNew::PaintSelection(TBitmap32& buffer) {
    TRect r = RoundRect(Location());  // in order
    const int w = FRectWork.Width();

    // The dashed frame, clockwise from the top-left corner, the pattern
    // starting afresh at every paint.
    if (!r.IsEmpty()) {
        int i = 0;
        auto dot = [&](int x, int y) { buffer.SetPixelS(x, y, kStipple[i++ & 7]); };
        const int x0 = r.Left, y0 = r.Top, x1 = r.Right - 1, y1 = r.Bottom - 1;
        for (int x = x0; x <= x1; ++x) dot(x, y0);
        for (int y = y0 + 1; y <= y1; ++y) dot(x1, y);
        if (y1 > y0) {
            for (int x = x1 - 1; x >= x0; --x) dot(x, y1);
        }
        if (x1 > x0) {
            for (int y = y1 - 1; y > y0; --y) dot(x0, y);
        }
    }

    buffer.FillRectTS(TRect{0, 0, w, r.Top}, kSelectionDim);
    buffer.FillRectTS(TRect{0, r.Top, r.Left, r.Bottom}, kSelectionDim);
    buffer.FillRectTS(TRect{0, r.Bottom, w, buffer.Height()}, kSelectionDim);
    buffer.FillRectTS(TRect{r.Right, r.Top, w, r.Bottom}, kSelectionDim);

    const int midX = (r.Left + r.Right) / 2, midY = (r.Top + r.Bottom) / 2;
    const int hs = HandleSize();
    const int handles[8][2] = {{midX, r.Top},      {r.Left, midY},     {r.Right, midY},
                               {midX, r.Bottom},   {r.Left, r.Top},    {r.Right, r.Top},
                               {r.Left, r.Bottom}, {r.Right, r.Bottom}};
    for (const auto& p : handles) {
        FillCircle(buffer, FixedPoint(p[0], p[1]), 2.0 * hs, 0xFFFFFFFFu);
        FillCircle(buffer, FixedPoint(p[0], p[1]), 2.0 * (hs - 1), 0xFF000000u);
    }

    const std::u16string label = SelectionSizeLabel(r.Width(), r.Height());
    const TFontDesc saved = buffer.Font();
    buffer.SetFont(labelFont_);
    const TSize ext = buffer.TextExtent(label);
    const TRect box{r.Left, r.Top - ext.cy - 12, r.Left + ext.cx + 10, r.Top - 7};
    buffer.FillRectTS(box, kLabelBox);
    buffer.Font().Color = 0xFFFFFFFFu;
    buffer.Textout(box.Left + (box.Width() - ext.cx) / 2, box.Top + (box.Height() - ext.cy) / 2,
                   label);
    buffer.SetFont(saved);
}

}  // namespace lg
