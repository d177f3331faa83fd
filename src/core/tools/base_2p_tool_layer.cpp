#include "tools/base_2p_tool_layer.h"

#include <algorithm>

namespace lg {

TBase2PToolLayer::TBase2PToolLayer(TImgView32& imgv, const TFloatRect& location,
                                   TBitmap32& drawBitmap)
    : TBaseToolLayer(imgv, location, drawBitmap) {
    // The hooks, not the Do... overrides: the release ends in OnEnd, whose
    // handler frees the layer, and only the hook runs after the layer's own
    // behaviour with nothing touching the layer afterwards.
    OnMouseDown = [this](TCustomLayer&, TMouseButton, TShiftState, int x, int y) {
        LayerMouseDown(x, y);
    };
    OnMouseMove = [this](TCustomLayer&, TShiftState, int x, int y) { LayerMouseMove(x, y); };
    OnMouseUp = [this](TCustomLayer&, TMouseButton, TShiftState, int x, int y) {
        LayerMouseUp(x, y);
    };
    OnPaint = [this](TCustomLayer&, TBitmap32&) { LayerPaint(); };
}

void TBase2PToolLayer::LayerMouseDown(int x, int y) {
    if (FStopDrawing) return;
    FStartPoint = FEndPoint = TPoint{x, y};
    FDrawingLine = true;
    FFigureShown = false;
}

void TBase2PToolLayer::LayerMouseMove(int x, int y) {
    if (!FDrawingLine) return;
    FEndPoint = TPoint{x, y};
    DrawFigure();
    FFigureShown = true;
}

void TBase2PToolLayer::LayerMouseUp(int x, int y) {
    if (!FDrawingLine) return;
    FStopDrawing = true;
    FDrawingLine = false;
    FEndPoint = TPoint{x, y};
    DrawFigure();
    SetCursor(crDefault);
    RaiseEnd();
}

void TBase2PToolLayer::LayerPaint() {
    // Before the first press there is no figure: drawing one from the
    // default points would put it at the view's origin, and a tool that
    // clears or recomputes on every call would do so at every paint.
    if (!FDrawingLine && !FStopDrawing) return;
    if (FDrawingLine && FFigureShown) return;
    DrawFigure();
    FFigureShown = FDrawingLine;
}

void TBase2PToolLayer::DrawFigure() {
    if (FDrawingLine) ClearDrawBitmap();
}

TRect TBase2PToolLayer::FigureRect() const {
    return TRect{std::min(FStartPoint.X, FEndPoint.X), std::min(FStartPoint.Y, FEndPoint.Y),
                 std::max(FStartPoint.X, FEndPoint.X), std::max(FStartPoint.Y, FEndPoint.Y)};
}

}  // namespace lg
