#include "tools/stamp_tool_layer.h"

#include <algorithm>
#include <string>

#include "raster/render_text.h"
#include "raster/shapes.h"
#include "settings/settings.h"
#include "tools/stamp_counter.h"

namespace lg {

TStampToolLayer::TStampToolLayer(TImgView32& imgv, const TFloatRect& location,
                                 TBitmap32& drawBitmap)
    : TBaseToolLayer(imgv, location, drawBitmap) {
    // A hook, not the DoMouseDown override: the press ends in OnEnd, whose
    // handler frees the layer. Any button stamps.
    OnMouseDown = [this](TCustomLayer&, TMouseButton, TShiftState, int x, int y) {
        LayerMouseDown(x, y);
    };
}

void TStampToolLayer::LayerMouseDown(int x, int y) {
    SetCursor(crDefault);
    TBitmap32& draw = DrawBitmap();
    const DisplayScale& scale = Scale();
    const double radius = scale.PxD(kStampRadius);
    const int r = scale.Px(static_cast<int>(kStampRadius));
    const TRect box{x - r, y - r, x + r, y + r};
    FillCircle(draw, FixedPoint(x, y), radius, LGSettings().pencolor, am16times);

    // The points are converted at the display's DPI, so the number grows
    // with the disc. The draw bitmap keeps the size (the stamp's font is
    // the draw bitmap's), not the DPI, which belongs to this figure alone.
    draw.Font().Size = kStampFontSize;
    const int savedDpi = draw.Font().Dpi;
    draw.Font().Dpi = scale.Dpi();
    const std::string digits = std::to_string(StampCounter());
    const std::u16string number(digits.begin(), digits.end());
    RenderTextInRect(draw, box, number, kStampTextColor, kStampTextQuality, false);
    // Taken now, before the commit: the undo store gives it back when this
    // stamp is undone.
    ++StampCounter();

    // Several digits may overflow the disc on both sides: repaint the
    // text's reach too, with a margin for the rounding of the enlarged
    // rendering.
    const TSize extent = draw.TextExtent(number);
    draw.Font().Dpi = savedDpi;
    const int reachX = std::max(r, extent.cx / 2 + 1), reachY = std::max(r, extent.cy / 2 + 1);
    DrawBitmapChanged(TRect{x - reachX - 4, y - reachY - 4, x + reachX + 4, y + reachY + 4});
    RaiseEnd();
}

}  // namespace lg
