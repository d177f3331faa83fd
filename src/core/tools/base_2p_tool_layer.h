// The base of the tools whose figure is spanned by two points: where the
// mouse was pressed and where it is now (or was released).
//
// Life of one layer: idle -> press (any button) -> dragging -> release ->
// finished (OnEnd raised; the capture window then replaces the layer). A
// finished layer ignores presses; a release without a press on this layer
// is ignored.
//
// A concrete tool overrides DrawFigure, calls this class's DrawFigure
// first, draws from FStartPoint to FEndPoint and reports the area it drew
// (DrawBitmapChanged). DrawFigure runs at every move of the drag, once more
// at the release and at every later paint of the layer (during the drag,
// at a paint only when no move has drawn the current points yet): while
// dragging it starts from an empty draw bitmap, afterwards it draws over
// what is there.
// A tool decides whether it draws when FDrawingLine is clear; translucent
// figures must not, or they would be laid over themselves.
#pragma once

#include "tools/base_tool_layer.h"
#include "tools/tool_point.h"

namespace lg {

class TBase2PToolLayer : public TBaseToolLayer {
public:
    TBase2PToolLayer(TImgView32& imgv, const TFloatRect& location, TBitmap32& drawBitmap);

protected:
    // Renders the current figure into the draw bitmap. This part clears
    // the draw bitmap while a drag is in progress.
    virtual void DrawFigure();

    // The figure's rectangle: the two points' box with Right and Bottom
    // exclusive, whichever way the user dragged.
    TRect FigureRect() const;

    TPoint FStartPoint;         // where the press happened
    TPoint FEndPoint;           // the latest drag position; at the end the release position
    bool FDrawingLine = false;  // a drag is in progress
    bool FStopDrawing = false;  // the figure is finished; presses are ignored
    // During a drag: the draw bitmap holds the figure of the current
    // points. A drag's DrawFigure starts from a clear draw bitmap and
    // depends on nothing but the points, so a paint then has nothing to
    // redraw: doing it anyway would repaint the same pixels and ask for
    // one more paint after it.
    bool FFigureShown = false;

private:
    void LayerMouseDown(int x, int y);
    void LayerMouseMove(int x, int y);
    void LayerMouseUp(int x, int y);
    void LayerPaint();
};

}  // namespace lg
