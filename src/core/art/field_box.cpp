#include "art/field_box.h"

#include "art/paths.h"
#include "raster/polygon_fill.h"

namespace lg::art {

TBitmap32 DrawFieldBox(int width96, int height96, TColor32 fill, TColor32 border,
                       DisplayScale scale, double radius96) {
    const int width = scale.Px(width96), height = scale.Px(height96), line = scale.Px(1);
    const double radius = scale.PxD(radius96);
    TBitmap32 picture(width, height);
    picture.Clear(0);
    // Merge keeps straight alpha where the anti-aliased corners are laid
    // on transparent pixels.
    picture.SetCombineMode(cmMerge);
    const Contour outer = RoundedRect(0, 0, width, height, radius);
    FillPolygon(picture, outer, fill, am32times);
    if (width > 2 * line && height > 2 * line) {
        // Outer and reversed inner outline in one shape make the ring.
        const Shape ring{
            outer, Reversed(RoundedRect(line, line, width - line, height - line, radius - line))};
        FillPolygons(picture, ring, border, am32times);
    }
    picture.SetCombineMode(cmBlend);
    return picture;
}

}  // namespace lg::art
