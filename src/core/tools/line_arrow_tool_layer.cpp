#include "tools/line_arrow_tool_layer.h"

#include <array>

#include "settings/settings.h"
#include "tools/figure_bounds.h"

namespace lg {

TLineArrowToolLayer::TLineArrowToolLayer(TImgView32& imgv, const TFloatRect& location,
                                         TBitmap32& drawBitmap)
    : TBase2PToolLayer(imgv, location, drawBitmap) {
    // The head's slanted edges show steps at 16 sub-samples.
    ln32.AntialiasMode = am32times;
}

void TLineArrowToolLayer::DrawFigure() {
    TBase2PToolLayer::DrawFigure();
    if (!FDrawingLine) return;
    const TLGSettings& settings = LGSettings();
    const TColor32 c = settings.pencolor;
    const DisplayScale& scale = Scale();
    const float pw = scale.PxF(static_cast<float>(settings.penwidth));

    const std::array<TFixedPoint, 2> points{FixedPoint(FStartPoint.X, FStartPoint.Y),
                                            FixedPoint(FEndPoint.X, FEndPoint.Y)};
    ln32.SetPoints(points);
    ln32.LineWidth = pw;
    ln32.ArrowEnd.Pen.Color = 0;  // transparent: the ring only moves the base point
    ln32.ArrowEnd.Color = c;
    ln32.ArrowEnd.Size = scale.PxF(ArrowHeadSize(settings.penwidth));
    ln32.ArrowEnd.Style = asFourPoint;
    ln32.ArrowEnd.Pen.Width = scale.PxF(kArrowOutlineWidth);
    ln32.Draw(DrawBitmap(), c, 0, pw);
    DrawBitmapChanged(LineBounds(ln32));
}

}  // namespace lg
