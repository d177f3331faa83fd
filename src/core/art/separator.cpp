#include "art/art_colors.h"
#include "art/button_art.h"

namespace lg::art {

namespace {

constexpr int kSeparatorInset = 8;

}  // namespace

TBitmap32 DrawSeparator(int width, int height) {
    TBitmap32 picture(width, height);
    picture.Clear(0);
    // One whole pixel column (or row) in the middle, so the line is crisp.
    if (height > width) {
        const int x = width / 2;
        picture.FillRectTS(x, kSeparatorInset, x + 1, height - kSeparatorInset, kPressedFill);
    } else {
        const int y = height / 2;
        picture.FillRectTS(kSeparatorInset, y, width - kSeparatorInset, y + 1, kPressedFill);
    }
    return picture;
}

}  // namespace lg::art
