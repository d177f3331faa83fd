#include "art/picker_art.h"

#include <algorithm>
#include <cmath>

#include "art/art_colors.h"
#include "art/coverage_mask.h"
#include "art/paths.h"

namespace lg::art {

namespace {

constexpr double kBoxRadius = 6;

// One picker's shape at 96 DPI: the pointer rises `pointerHeight` above the
// box at the tip's x and is `pointerBase` wide where it meets the box.
struct PickerShape {
    TSize size;
    double tipX;
    int pointerHeight;
    double pointerBase;
    TColor32 cutOut;
};

// Sides at 45 degrees: the pointer's cut edge then climbs in even steps.
constexpr PickerShape kWidthPicker{kWidthPickerSize, kWidthPickerTipX, 4, 8, kWidthPickerCutOut};
constexpr PickerShape kFontPicker{kFontPickerSize, kFontPickerTipX, 5, 10, kFontPickerCutOut};

// The box with its pointer, `inset` pixels inside the outer edge
// everywhere: the box's sides and corners move in, and so do the pointer's
// slanted sides, measured across them. At inset 0 it is the outer edge.
Shape BoxWithPointer(int width, int height, int boxTop, double tipX, double halfBase, double radius,
                     double inset) {
    const double rise = boxTop;
    const double slant = std::hypot(halfBase, rise);
    // Where the slanted sides, moved in by `inset`, meet each other and the
    // box's top edge moved down by it.
    const double tipY = inset * slant / halfBase;
    const double half = (halfBase * (rise + inset) - inset * slant) / rise;
    return Shape{
        RoundedRect(inset, boxTop + inset, width - inset, height - inset, radius - inset),
        Polygon({{tipX - half, boxTop + inset}, {tipX, tipY}, {tipX + half, boxTop + inset}})};
}

TColor32 Mix(TColor32 from, TColor32 to, float amount) {
    const auto channel = [amount](std::uint32_t a, std::uint32_t b) {
        return static_cast<std::uint32_t>(std::lround(a + (static_cast<float>(b) - a) * amount));
    };
    return Color32(channel(RedOf(from), RedOf(to)), channel(GreenOf(from), GreenOf(to)),
                   channel(BlueOf(from), BlueOf(to)));
}

TBitmap32 DrawPickerBackground(const PickerShape& shape, DisplayScale scale) {
    const int width = scale.Px(shape.size.cx), height = scale.Px(shape.size.cy);
    // The box's top edge and the outline's width in whole pixels, so both
    // stay crisp; the tip on a half or whole pixel, so the pointer's two
    // sides step alike.
    const int boxTop = scale.Px(shape.pointerHeight), line = scale.Px(1);
    const double tipX = std::round(scale.PxD(shape.tipX) * 2) / 2;
    const double halfBase = scale.PxD(shape.pointerBase) / 2, radius = scale.PxD(kBoxRadius);

    CoverageMask outer(width, height), inner(width, height);
    outer.Add(BoxWithPointer(width, height, boxTop, tipX, halfBase, radius, 0));
    inner.Add(BoxWithPointer(width, height, boxTop, tipX, halfBase, radius, line));
    // The window's shape has no half pixels: what the outline covers at
    // least half of is in.
    const auto in = [&outer](int x, int y) { return outer.At(x, y) >= 0.5f; };

    TBitmap32 picture(width, height);
    for (int y = 0; y < height; ++y) {
        TColor32* row = picture.ScanLine(y);
        for (int x = 0; x < width; ++x) {
            if (!in(x, y)) {
                row[x] = WithAlpha(shape.cutOut, 255);
                continue;
            }
            // The ring is what lies between the cut edge and the inner
            // outline; a pixel on the cut edge is all ring, whatever the
            // staircase of the edge left of the smooth outline there.
            const bool onEdge = !in(x - 1, y) || !in(x + 1, y) || !in(x, y - 1) || !in(x, y + 1);
            const float ring = onEdge ? 1.0f : 1.0f - inner.At(x, y);
            row[x] = Mix(kPanelSurface, kOutline, std::clamp(ring, 0.0f, 1.0f));
        }
    }
    return picture;
}

}  // namespace

TBitmap32 DrawWidthPickerBackground(DisplayScale scale) {
    return DrawPickerBackground(kWidthPicker, scale);
}

TBitmap32 DrawFontPickerBackground(DisplayScale scale) {
    return DrawPickerBackground(kFontPicker, scale);
}

}  // namespace lg::art
