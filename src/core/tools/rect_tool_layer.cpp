#include "tools/rect_tool_layer.h"

#include "raster/line32.h"
#include "settings/settings.h"
#include "tools/figure_bounds.h"

namespace lg {

void TRectToolLayer::DrawFigure() {
    TBase2PToolLayer::DrawFigure();
    const TLGSettings& settings = LGSettings();
    TLine32 line;
    // Rounded ends as well as joins: the path is open at the start corner,
    // and two rounded caps there look like the other, joined, corners.
    line.EndStyle = esRounded;
    line.JoinStyle = jsRounded;
    const int sx = FStartPoint.X, sy = FStartPoint.Y, ex = FEndPoint.X, ey = FEndPoint.Y;
    // Around from the start corner and back to it; AddPoint skips repeats,
    // so a flat rectangle becomes a line drawn there and back.
    line.AddPoint(FixedPoint(sx, sy));
    line.AddPoint(FixedPoint(ex, sy));
    line.AddPoint(FixedPoint(ex, ey));
    line.AddPoint(FixedPoint(sx, ey));
    line.AddPoint(FixedPoint(sx, sy));
    line.Draw(DrawBitmap(), settings.pencolor, 0,
              Scale().PxF(static_cast<float>(settings.penwidth)));
    DrawBitmapChanged(LineBounds(line));
}

}  // namespace lg
