#include "tools/light_tool_layer.h"

#include "settings/settings.h"

namespace lg {

void TLightToolLayer::DrawFigure() {
    TBase2PToolLayer::DrawFigure();
    if (!FDrawingLine) return;
    const TColor32 c = (LGSettings().pencolor & 0x00FFFFFFu) | kTranslucentAlpha;
    const TRect r = FigureRect();
    DrawBitmap().FillRectTS(r, c);
    DrawBitmapChanged(r);
}

}  // namespace lg
