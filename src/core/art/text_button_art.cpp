// The bodies of the buttons with a caption.
#include "art/art_colors.h"
#include "art/button_art.h"
#include "art/paths.h"
#include "art/picture_ops.h"
#include "raster/polygon_fill.h"

namespace lg::art {

namespace {

constexpr double kRadius = 4;

// The button's rounded body in `fill`, then its 1 px edge in `edge`; either
// is left out at alpha 0. The edge is a whole number of pixels wide at any
// scale, so it stays crisp along the picture's border.
TBitmap32 Body(int width96, int height96, DisplayScale scale, TColor32 fill, TColor32 edge) {
    const int width = scale.Px(width96), height = scale.Px(height96), line = scale.Px(1);
    const double radius = scale.PxD(kRadius);
    TBitmap32 picture(width, height);
    picture.Clear(0);
    picture.SetCombineMode(cmMerge);
    const Contour outer = RoundedRect(0, 0, width, height, radius);
    FillPolygon(picture, outer, fill, am32times);
    if (width > 2 * line && height > 2 * line) {
        const Shape ring{
            outer, Reversed(RoundedRect(line, line, width - line, height - line, radius - line))};
        FillPolygons(picture, ring, edge, am32times);
    }
    picture.SetCombineMode(cmBlend);
    return picture;
}

StatePictures States(int width96, int height96, DisplayScale scale, TColor32 normalFill,
                     TColor32 downFill, TColor32 moveFill, TColor32 edge) {
    StatePictures set{.normal = Body(width96, height96, scale, normalFill, edge),
                      .down = Body(width96, height96, scale, downFill, edge),
                      .move = Body(width96, height96, scale, moveFill, edge),
                      .disabled = {}};
    set.disabled = Faded(set.normal, kDisabledAlpha);
    return set;
}

}  // namespace

ButtonArt DrawTextButton(TextButtonKind kind, int width96, int height96, DisplayScale scale) {
    StatePictures set =
        kind == TextButtonKind::Primary
            ? States(width96, height96, scale, kAccent, Darken(kAccent, 0.12),
                     Lighten(kAccent, 0.12), 0)
            : States(width96, height96, scale, 0, kPressedFill, kHoverFill, kOutline);
    return {.plain = set, .latched = set};
}

}  // namespace lg::art
