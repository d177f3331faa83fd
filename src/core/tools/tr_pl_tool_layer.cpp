#include "tools/tr_pl_tool_layer.h"

#include "settings/settings.h"
#include "tools/figure_bounds.h"
#include "tools/light_tool_layer.h"

namespace lg {

void TTrPLToolLayer::DrawFigure() {
    const TLGSettings& settings = LGSettings();
    const TColor32 c = (settings.pencolor & 0x00FFFFFFu) | kTranslucentAlpha;
    ln32.Draw(DrawBitmap(), c, 0,
              Scale().PxF(static_cast<float>(kMarkerWidthFactor * settings.penwidth)));
    DrawBitmapChanged(LineBounds(ln32));
}

}  // namespace lg
