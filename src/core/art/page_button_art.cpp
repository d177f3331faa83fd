// The page buttons down the settings window's frame.
#include "art/art_colors.h"
#include "art/picture_ops.h"
#include "art/settings_art.h"

namespace lg::art {

namespace {

// One flat picture: `fill`, the frame's border colour along the top and
// left edges, and, for the chosen page, the accent bar over the left one.
// Every edge is a whole number of pixels, so nothing is blurred.
TBitmap32 Page(int width96, int height96, DisplayScale scale, TColor32 fill, bool chosen) {
    const int width = scale.Px(width96), height = scale.Px(height96), line = scale.Px(1);
    TBitmap32 picture(width, height);
    picture.Clear(fill);
    picture.FillRectTS(0, 0, width, line, kHoverFill);
    picture.FillRectTS(0, 0, line, height, kHoverFill);
    if (chosen) picture.FillRectTS(0, 0, scale.Px(kPageBarWidth), height, kAccent);
    return picture;
}

StatePictures PageSet(int width96, int height96, DisplayScale scale, TColor32 normal, TColor32 down,
                      TColor32 move, bool chosen) {
    StatePictures set{.normal = Page(width96, height96, scale, normal, chosen),
                      .down = Page(width96, height96, scale, down, chosen),
                      .move = Page(width96, height96, scale, move, chosen),
                      .disabled = {}};
    set.disabled = Faded(set.normal, kDisabledAlpha);
    return set;
}

}  // namespace

ButtonArt DrawPageButton(int width96, int height96, DisplayScale scale) {
    // The chosen page only answers the pointer faintly: clicking it again
    // changes nothing.
    return {
        .plain = PageSet(width96, height96, scale, kPanelSurface, kPressedFill, kHoverFill, false),
        .latched = PageSet(width96, height96, scale, kFrameFill, Lighten(kFrameFill, 0.03),
                           Lighten(kFrameFill, 0.06), true)};
}

}  // namespace lg::art
