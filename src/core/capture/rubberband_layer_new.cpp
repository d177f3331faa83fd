#include "capture/rubberband_layer_new.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "layers/dirty_region.h"
#include "layers/img_view32.h"
#include "raster/shapes.h"
#include "raster/text_rasterizer.h"

namespace lg {
namespace {

// The frame's dashes: four white pixels, four black.
constexpr TColor32 kStipple[8] = {0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu,
                                  0xFF000000u, 0xFF000000u, 0xFF000000u, 0xFF000000u};
constexpr TColor32 kPromptShadow = 0xFF808080u;
constexpr TColor32 kLabelBox = 0x7F000000u;
// 96-DPI sizes, taken through the layer's scale.
// The label font, in points.
constexpr int kLabelFontSize = 10;
// The size label's box: its top lies the text's height plus 12 above the
// selection, its bottom 7 above, and it is 10 wider than the text.
constexpr int kLabelRise = 12;
constexpr int kLabelGap = 7;
constexpr int kLabelPadding = 10;
// The prompt's box starts this far right of and below the pointer, is 10
// wider and higher than the text, and casts a grey shadow offset by 2
// whose far edges lie 12 past the text.
constexpr int kPromptOffset = 15;
constexpr int kPromptPadding = 10;
constexpr int kPromptShadowNear = 2;
constexpr int kPromptShadowFar = 12;
// The outline of the window a click would select: the accent colour
// (art.md), 2 pixels wide inside the window's edge.
constexpr TColor32 kSnapOutline = 0xFF1CC2F1u;
constexpr int kSnapOutlineWidth = 2;
// Past a handle disc's radius: its anti-aliased rim.
constexpr int kHandleRim = 2;

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
    labelFont_.Size = kLabelFontSize;
    labelFont_.Color = 0xFF000000u;
    labelFont_.Dpi = scale_.Dpi();
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

void TRubberbandLayerNew::SetScale(const DisplayScale& scale) {
    if (scale == scale_) return;
    const TRect before = PaintBounds();
    scale_ = scale;
    labelFont_.Dpi = scale.Dpi();
    // The dimming does not depend on the scale: the old and new frame,
    // handles, label or prompt are all that change, and the outline's width.
    BoundsChanged(before, PaintBounds());
    if (snapOutline_ && !FVisibleRect && View()) View()->InvalidateRect(*snapOutline_);
}

void TRubberbandLayerNew::SetSnapOutline(std::optional<TRect> r) {
    if (r == snapOutline_) return;
    // Only the old and the new window change: the dimming elsewhere stays,
    // so a pointer moving over the screen never repaints all of it.
    if (snapOutline_ && !FVisibleRect && View()) View()->InvalidateRect(*snapOutline_);
    snapOutline_ = r;
    if (snapOutline_ && !FVisibleRect && View()) View()->InvalidateRect(*snapOutline_);
}

void TRubberbandLayerNew::SetTextRasterizer(TextRasterizer* r) {
    if (r == text_) return;
    const TRect before = PaintBounds();
    text_ = r;
    BoundsChanged(before, PaintBounds());
}

TextRasterizer* TRubberbandLayerNew::Text() const {
    return text_ ? text_ : DefaultTextRasterizer();
}

TSize TRubberbandLayerNew::MeasureText(std::u16string_view text) const {
    TextRasterizer* tr = Text();
    return tr ? tr->Measure(labelFont_, text) : TSize{};
}

void TRubberbandLayerNew::WriteText(TBitmap32& buffer, TPoint at, std::u16string_view text,
                                    TColor32 color) const {
    TextRasterizer* tr = Text();
    if (!tr || buffer.Empty()) return;
    TFontDesc font = labelFont_;
    font.Color = color;
    tr->Draw(buffer, at.X, at.Y, text, font);
}

TRubberbandLayerNew::TextBox TRubberbandLayerNew::PromptBox(TSize ext) const {
    const DisplayScale& s = scale_;
    const int px = pointerX_ + s.Px(kPromptOffset), py = pointerY_ + s.Px(kPromptOffset);
    const int pad = s.Px(kPromptPadding);
    const int shadowNear = s.Px(kPromptShadowNear), shadowFar = s.Px(kPromptShadowFar);
    // The text is centred in the box on one line.
    return TextBox{
        TRect{px, py, px + ext.cx + pad, py + ext.cy + pad},
        TRect{px + shadowNear, py + shadowNear, px + ext.cx + shadowFar, py + ext.cy + shadowFar},
        TPoint{px + pad / 2, py + pad / 2}};
}

TRubberbandLayerNew::TextBox TRubberbandLayerNew::LabelBox(const TRect& selection,
                                                           TSize ext) const {
    const DisplayScale& s = scale_;
    const TRect box{selection.Left, selection.Top - ext.cy - s.Px(kLabelRise),
                    selection.Left + ext.cx + s.Px(kLabelPadding), selection.Top - s.Px(kLabelGap)};
    return TextBox{
        box, TRect{},
        TPoint{box.Left + (box.Width() - ext.cx) / 2, box.Top + (box.Height() - ext.cy) / 2}};
}

int TRubberbandLayerNew::HandleReach() const {
    return static_cast<int>(std::ceil(scale_.PxD(2.0 * HandleSize()))) + kHandleRim;
}

void TRubberbandLayerNew::SetPointerPos(int x, int y) {
    if (x == pointerX_ && y == pointerY_) return;
    const TRect before = PaintBounds();
    pointerX_ = x;
    pointerY_ = y;
    if (!FVisibleRect) BoundsChanged(before, PaintBounds());
}

TRect TRubberbandLayerNew::PaintBounds() const {
    // The dimming looks the same wherever the prompt or the selection is,
    // so a change repaints only what is drawn over it.
    if (!FVisibleRect) {
        const TextBox prompt = PromptBox(MeasureText(kSelectPrompt));
        return UnionRect(prompt.box, prompt.shadow);
    }
    const TRect r = RoundRect(Location());
    const int reach = HandleReach();
    const TRect handles{r.Left - reach, r.Top - reach, r.Right + reach, r.Bottom + reach};
    const TextBox label = LabelBox(r, MeasureText(SelectionSizeLabel(r.Width(), r.Height())));
    return UnionRect(handles, label.box);
}

TDragState TRubberbandLayerNew::GetDragState(int x, int y) const {
    if (!FVisibleRect || FSelectState == ssNoVis || FSelectState == ssMove) return dsNone;
    const int t = scale_.Px(2 * HandleSize() + 1);
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

void TRubberbandLayerNew::DimAround(TBitmap32& buffer, const TRect& r) const {
    const int w = FRectWork.Width();
    buffer.FillRectTS(TRect{0, 0, w, r.Top}, kSelectionDim);
    buffer.FillRectTS(TRect{0, r.Top, r.Left, r.Bottom}, kSelectionDim);
    buffer.FillRectTS(TRect{0, r.Bottom, w, buffer.Height()}, kSelectionDim);
    buffer.FillRectTS(TRect{r.Right, r.Top, w, r.Bottom}, kSelectionDim);
}

void TRubberbandLayerNew::PaintPrompt(TBitmap32& buffer) {
    const int w = FRectWork.Width(), h = FRectWork.Height();
    if (snapOutline_ && !snapOutline_->IsEmpty()) {
        const TRect& r = *snapOutline_;
        DimAround(buffer, r);
        // Inside the edge, so the frame marks exactly what a click selects;
        // a window thinner than two lines is filled.
        const int line =
            std::min({scale_.Px(kSnapOutlineWidth), (r.Width() + 1) / 2, (r.Height() + 1) / 2});
        buffer.FillRectTS(TRect{r.Left, r.Top, r.Right, r.Top + line}, kSnapOutline);
        buffer.FillRectTS(TRect{r.Left, r.Bottom - line, r.Right, r.Bottom}, kSnapOutline);
        buffer.FillRectTS(TRect{r.Left, r.Top + line, r.Left + line, r.Bottom - line},
                          kSnapOutline);
        buffer.FillRectTS(TRect{r.Right - line, r.Top + line, r.Right, r.Bottom - line},
                          kSnapOutline);
    } else {
        buffer.FillRectTS(TRect{0, 0, w, h}, kSelectionDim);
    }

    const TextBox prompt = PromptBox(MeasureText(kSelectPrompt));
    buffer.FillRectTS(prompt.shadow, kPromptShadow);
    buffer.FillRectTS(prompt.box, 0xFFFFFFFFu);
    WriteText(buffer, prompt.text, kSelectPrompt, 0xFF000000u);
}

void TRubberbandLayerNew::PaintSelection(TBitmap32& buffer) {
    TRect r = RoundRect(Location());  // in order

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

    DimAround(buffer, r);

    const int midX = (r.Left + r.Right) / 2, midY = (r.Top + r.Bottom) / 2;
    const double outer = scale_.PxD(2.0 * HandleSize());
    const double inner = scale_.PxD(2.0 * (HandleSize() - 1));
    const int handles[8][2] = {{midX, r.Top},      {r.Left, midY},     {r.Right, midY},
                               {midX, r.Bottom},   {r.Left, r.Top},    {r.Right, r.Top},
                               {r.Left, r.Bottom}, {r.Right, r.Bottom}};
    for (const auto& p : handles) {
        FillCircle(buffer, FixedPoint(p[0], p[1]), outer, 0xFFFFFFFFu);
        FillCircle(buffer, FixedPoint(p[0], p[1]), inner, 0xFF000000u);
    }

    const std::u16string label = SelectionSizeLabel(r.Width(), r.Height());
    const TextBox box = LabelBox(r, MeasureText(label));
    buffer.FillRectTS(box.box, kLabelBox);
    WriteText(buffer, box.text, label, 0xFFFFFFFFu);
}

}  // namespace lg
