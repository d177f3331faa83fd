// The bodies of the buttons with a caption.
#include "art/art_colors.h"
#include "art/button_art.h"
#include "art/field_box.h"
#include "art/picture_ops.h"

namespace lg::art {

namespace {

StatePictures States(int width96, int height96, DisplayScale scale, TColor32 normalFill,
                     TColor32 downFill, TColor32 moveFill, TColor32 edge) {
    StatePictures set{.normal = DrawFieldBox(width96, height96, normalFill, edge, scale),
                      .down = DrawFieldBox(width96, height96, downFill, edge, scale),
                      .move = DrawFieldBox(width96, height96, moveFill, edge, scale),
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
