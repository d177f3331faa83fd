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
// is left out at alpha 0.
TBitmap32 Body(int width, int height, TColor32 fill, TColor32 edge) {
    TBitmap32 picture(width, height);
    picture.Clear(0);
    picture.SetCombineMode(cmMerge);
    const Contour outer = RoundedRect(0, 0, width, height, kRadius);
    FillPolygon(picture, outer, fill, am32times);
    if (width > 2 && height > 2) {
        const Shape ring{outer, Reversed(RoundedRect(1, 1, width - 1, height - 1, kRadius - 1))};
        FillPolygons(picture, ring, edge, am32times);
    }
    picture.SetCombineMode(cmBlend);
    return picture;
}

StatePictures States(int width, int height, TColor32 normalFill, TColor32 downFill,
                     TColor32 moveFill, TColor32 edge) {
    StatePictures set{.normal = Body(width, height, normalFill, edge),
                      .down = Body(width, height, downFill, edge),
                      .move = Body(width, height, moveFill, edge),
                      .disabled = {}};
    set.disabled = Faded(set.normal, kDisabledAlpha);
    return set;
}

}  // namespace

ButtonArt DrawTextButton(TextButtonKind kind, int width, int height) {
    StatePictures set =
        kind == TextButtonKind::Primary
            ? States(width, height, kAccent, Darken(kAccent, 0.12), Lighten(kAccent, 0.12), 0)
            : States(width, height, 0, kPressedFill, kHoverFill, kOutline);
    return {.plain = set, .latched = set};
}

}  // namespace lg::art
