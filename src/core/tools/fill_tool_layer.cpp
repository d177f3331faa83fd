#include "tools/fill_tool_layer.h"

#include "settings/settings.h"

namespace lg {

void TFillToolLayer::DrawFigure() {
    TBase2PToolLayer::DrawFigure();
    const TRect r = FigureRect();
    DrawBitmap().FillRectTS(r, LGSettings().pencolor);
    DrawBitmapChanged(r);
}

}  // namespace lg
