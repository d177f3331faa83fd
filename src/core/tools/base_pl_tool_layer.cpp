#include "tools/base_pl_tool_layer.h"

#include <cstdlib>

#include "settings/settings.h"
#include "tools/figure_bounds.h"

namespace lg {

TBasePLToolLayer::TBasePLToolLayer(TImgView32& imgv, const TFloatRect& location,
                                   TBitmap32& drawBitmap)
    : TBaseToolLayer(imgv, location, drawBitmap) {
    ln32.EndStyle = esRounded;
    ln32.JoinStyle = jsRounded;
    // The hooks rather than the Do... overrides: the release's OnEnd frees
    // the layer, and only a hook may do that. No paint hook: the stroke is
    // drawn when a point is added, never again.
    OnMouseDown = [this](TCustomLayer&, TMouseButton button, TShiftState, int x, int y) {
        LayerMouseDown(button, x, y);
    };
    OnMouseMove = [this](TCustomLayer&, TShiftState, int x, int y) { LayerMouseMove(x, y); };
    OnMouseUp = [this](TCustomLayer&, TMouseButton, TShiftState, int, int) { LayerMouseUp(); };
}

std::uint32_t TBasePLToolLayer::Now() const {
    return tickSource_ ? tickSource_() : DefaultTickCount();
}

void TBasePLToolLayer::LayerMouseDown(TMouseButton button, int x, int y) {
    if (button != mbLeft || FDrawingLine) return;
    FLasTimeAdd = Now();
    FDrawingLine = true;
    X1 = x;
    Y1 = y;
    ln32.AddPoint(FixedPoint(x, y));
}

void TBasePLToolLayer::LayerMouseMove(int x, int y) {
    const std::uint32_t t = Now();
    // Unsigned: a tick count that wrapped past zero still gives the true
    // distance in time.
    if (t - FLasTimeAdd < kMinAddInterval) return;
    // Taken even when no stroke runs or the point is then dropped: the
    // interval counts from the last move looked at, not the last one kept.
    FLasTimeAdd = t;
    if (!FDrawingLine) return;
    if (std::abs(X1 - x) <= kMinAddDistance && std::abs(Y1 - y) <= kMinAddDistance) return;
    X1 = x;
    Y1 = y;
    ln32.AddPoint(FixedPoint(x, y));
    RedrawEnd();
}

void TBasePLToolLayer::RedrawEnd() {
    const std::size_t n = ln32.Points().size();
    const float width = StrokeWidth();
    const TColor32 color = StrokeColor();
    TBitmap32& draw = DrawBitmap();
    // The colour and width are read at every redraw: when either changed,
    // all of the stroke takes the new ones.
    if (n < 3 || width != drawnWidth_ || color != drawnColor_) {
        ClearDrawBitmap();
        DrawFigure();
    } else {
        // The stroke is filled as a union of pieces (segments, joins, the
        // two caps). The new point swaps the cap at the old end for a join,
        // a segment and a new cap, all within reach of the last segment;
        // everywhere else the same pieces cover the same samples. So
        // clearing and redrawing that box alone, the whole stroke
        // rasterised but cut to it, gives the pixels of a full redraw.
        ln32.LineWidth = width;
        const TRect box = LineBounds(ln32, n - 2);
        const TRect savedClip = draw.ClipRect();
        ClearDrawBitmapPart(box);
        draw.SetClipRect(IntersectRect(box, savedClip));
        if (!draw.ClipRect().IsEmpty()) DrawFigure();
        draw.SetClipRect(savedClip);
    }
    drawnWidth_ = width;
    drawnColor_ = color;
}

void TBasePLToolLayer::LayerMouseUp() {
    if (!FDrawingLine) return;
    FDrawingLine = false;
    SetCursor(crDefault);
    RaiseEnd();
}

float TBasePLToolLayer::StrokeWidth() const {
    return Scale().PxF(static_cast<float>(LGSettings().penwidth));
}

TColor32 TBasePLToolLayer::StrokeColor() const {
    return LGSettings().pencolor;
}

void TBasePLToolLayer::DrawFigure() {
    ln32.Draw(DrawBitmap(), StrokeColor(), 0, StrokeWidth());
    DrawBitmapChanged(LineBounds(ln32));
}

}  // namespace lg
