#include "tools/rect_gauss_tool_layer.h"

#include <utility>

#include "layers/dirty_region.h"
#include "raster/blur.h"

namespace lg {

namespace {

// The pixels of a blurred rectangle that depend on the picture alone: those
// whose window (r around them, both ways) lies inside the rectangle, so no
// edge is repeated for them.
TRect Interior(const TRect& r, int radius) {
    const TRect in{r.Left + radius, r.Top + radius, r.Right - radius, r.Bottom - radius};
    return in.IsEmpty() ? TRect{} : in;
}

}  // namespace

void TRectGaussToolLayer::DrawFigure() {
    // Not the inherited step: its clear would take the pixels kept below.
    const TBitmap32& capture = std::as_const(ImgView()).Bitmap();
    // Only the part over the capture: beyond it there is nothing to blur,
    // and the black that would stand in for it would bleed into the
    // capture's edge pixels.
    const TRect r = IntersectRect(FigureRect(), capture.BoundsRect());
    // Scaled like the figures: text that shows twice as large on the
    // display needs a box twice as wide to be hidden as well.
    const int radius = Scale().Px(kBlurRadius);
    const bool blurred = r.Width() > radius && r.Height() > radius;

    // The figure is recomputed at every call (also after the release, never
    // laid over the last preview), but the pixels the last figure shares
    // with this one, blurred from the same picture without touching an
    // edge, are already right and stay.
    TRect keep{};
    if (blurred && last_.blurred && last_.radius == radius &&
        last_.generation == ImgView().BitmapGeneration() && DrawnArea() == last_.rect) {
        keep = IntersectRect(Interior(last_.rect, radius), Interior(r, radius));
    }
    ClearDrawBitmapOutside(keep);
    last_ = Last{};
    if (r.IsEmpty()) return;

    // Opaque, so the draw layer covers the capture completely here.
    constexpr TColor32 kOpaque = 0xFF000000u;
    TRect parts[4];
    const int n = SubtractRect(r, keep, parts);
    for (int i = 0; i < n; ++i) {
        BoxBlurPart(capture, r, parts[i], blurred ? radius : 0, DrawBitmap(), parts[i].Left,
                    parts[i].Top, kOpaque);
        DrawBitmapChanged(parts[i]);
    }
    last_ = Last{r, radius, blurred, ImgView().BitmapGeneration()};
}

}  // namespace lg
