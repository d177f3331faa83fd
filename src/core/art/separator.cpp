#include "art/art_colors.h"
#include "art/button_art.h"

namespace lg::art {

namespace {

constexpr int kSeparatorInset = 8;

}  // namespace

TBitmap32 DrawSeparator(int width96, int height96, DisplayScale scale) {
    const int width = scale.Px(width96), height = scale.Px(height96);
    const int inset = scale.Px(kSeparatorInset), line = scale.Px(1);
    TBitmap32 picture(width, height);
    picture.Clear(0);
    // Whole pixel columns (or rows) in the middle, so the line is crisp.
    if (height > width) {
        const int x = width / 2 - line / 2;
        picture.FillRectTS(x, inset, x + line, height - inset, kPressedFill);
    } else {
        const int y = height / 2 - line / 2;
        picture.FillRectTS(inset, y, width - inset, y + line, kPressedFill);
    }
    return picture;
}

}  // namespace lg::art
