#include "tools/line_tool_layer.h"

#include "raster/line32.h"
#include "settings/settings.h"
#include "tools/figure_bounds.h"

namespace lg {

void TLineToolLayer::DrawFigure() {
    TBase2PToolLayer::DrawFigure();
    const TLGSettings& settings = LGSettings();
    // A fresh line each time: its defaults (butt ends, bevelled joins, 16
    // sub-samples) are the look wanted.
    TLine32 line;
    line.AddPoint(FixedPoint(FStartPoint.X, FStartPoint.Y));
    line.AddPoint(FixedPoint(FEndPoint.X, FEndPoint.Y));
    line.Draw(DrawBitmap(), settings.pencolor, 0,
              Scale().PxF(static_cast<float>(settings.penwidth)));
    DrawBitmapChanged(LineBounds(line));
}

}  // namespace lg
