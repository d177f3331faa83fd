#include "tools/rect_gauss_tool_layer.h"

#include "raster/blur.h"

namespace lg {

void TRectGaussToolLayer::DrawFigure() {
    TBase2PToolLayer::DrawFigure();
    // Also after the release: the figure is recomputed, not laid over the
    // last preview.
    ClearDrawBitmap();

    const TBitmap32& capture = ImgView().Bitmap();
    // Only the part over the capture: beyond it there is nothing to blur,
    // and the black that would stand in for it would bleed into the
    // capture's edge pixels.
    const TRect r = IntersectRect(FigureRect(), capture.BoundsRect());
    if (r.IsEmpty()) return;

    TBitmap32 tmp(r.Width(), r.Height());
    tmp.Draw(tmp.BoundsRect(), r, capture);  // tmp is opaque: a plain copy
    // Scaled like the figures: text that shows twice as large on the
    // display needs a box twice as wide to be hidden as well.
    const int radius = Scale().Px(kBlurRadius);
    if (r.Width() > radius && r.Height() > radius) BoxBlur(tmp, radius);
    // Opaque, so the draw layer covers the capture completely here.
    for (TColor32& p : tmp.Pixels()) p |= 0xFF000000u;
    DrawBitmap().Draw(r.Left, r.Top, tmp);
    DrawBitmapChanged(r);
}

}  // namespace lg
