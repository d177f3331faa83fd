// The freehand tool on which the marker builds; on its own it is the pen.
//
// A left press starts a stroke, moves add points to it, the release ends it
// and raises OnEnd. Moves are thinned twice: one is examined at most every
// kMinAddInterval milliseconds, and its point is added only when it lies
// more than kMinAddDistance pixels from the last added point on some axis.
// Each added point clears the draw bitmap and draws the whole stroke again;
// the release adds nothing and draws nothing, so the figure committed is
// the one drawn at the last added point. A click without movement leaves a
// one-point stroke, which draws nothing but still ends the figure.
#pragma once

#include <cstdint>
#include <utility>

#include "raster/line32.h"
#include "tools/base_tool_layer.h"
#include "tools/tick_source.h"

namespace lg {

// Moves closer in time than this to the last examined one are dropped.
inline constexpr std::uint32_t kMinAddInterval = 30;  // milliseconds
// A point within this many pixels of the last added one on both axes is
// dropped.
inline constexpr int kMinAddDistance = 5;

class TBasePLToolLayer : public TBaseToolLayer {
public:
    TBasePLToolLayer(TImgView32& imgv, const TFloatRect& location, TBitmap32& drawBitmap);

    TCurTool Kind() const override { return ctPen; }

    // Where the tick count comes from; empty (the default) uses the
    // process-wide DefaultTickCount.
    void SetTickSource(TTickSource source) { tickSource_ = std::move(source); }

    // The stroke so far, in 16.16 fixed point.
    const TLine32& Stroke() const { return ln32; }
    bool Drawing() const { return FDrawingLine; }
    std::uint32_t LastTimeAdd() const { return FLasTimeAdd; }

protected:
    // Draws the whole stroke into the draw bitmap, cut to its clip
    // rectangle: a line of StrokeWidth() in StrokeColor(), no outline. It
    // reports the whole stroke's box, so the view repaints all of it.
    virtual void DrawFigure();
    // The stroke's width in pixels and its colour, read from the settings
    // at every redraw: the pen width, scaled; the pen colour.
    virtual float StrokeWidth() const;
    virtual TColor32 StrokeColor() const;

    bool FDrawingLine = false;  // a stroke is in progress
    int X1 = 0;                 // the last point added to the stroke
    int Y1 = 0;
    TLine32 ln32;                   // the stroke; rounded ends and joins
    std::uint32_t FLasTimeAdd = 0;  // tick of the press or the last examined move

private:
    std::uint32_t Now() const;
    void LayerMouseDown(TMouseButton button, int x, int y);
    void LayerMouseMove(int x, int y);
    void LayerMouseUp();
    // Redraws what adding the last point changed.
    void RedrawEnd();

    TTickSource tickSource_;
    // What the stroke in the draw bitmap was last drawn with.
    float drawnWidth_ = -1;
    TColor32 drawnColor_ = 0;
};

}  // namespace lg
