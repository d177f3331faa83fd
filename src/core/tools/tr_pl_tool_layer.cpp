#include "tools/tr_pl_tool_layer.h"

#include "settings/settings.h"
#include "tools/figure_bounds.h"
#include "tools/light_tool_layer.h"

namespace lg {

float TTrPLToolLayer::StrokeWidth() const {
    return Scale().PxF(static_cast<float>(kMarkerWidthFactor * LGSettings().penwidth));
}

TColor32 TTrPLToolLayer::StrokeColor() const {
    return (LGSettings().pencolor & 0x00FFFFFFu) | kTranslucentAlpha;
}

void TTrPLToolLayer::DrawFigure() {
    ln32.Draw(DrawBitmap(), StrokeColor(), 0, StrokeWidth());
    DrawBitmapChanged(LineBounds(ln32));
}

}  // namespace lg
