#include "art/picker_shape.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace lg::art {
namespace {

constexpr TColor32 kCut = Color32(255, 0, 255);
constexpr TColor32 kIn = Color32(9, 26, 50);

TBitmap32 Picture(std::initializer_list<std::initializer_list<TColor32>> rows) {
    TBitmap32 b(static_cast<int>(rows.begin()->size()), static_cast<int>(rows.size()));
    int y = 0;
    for (const auto& row : rows) {
        int x = 0;
        for (const TColor32 c : row) *b.PixelPtr(x++, y) = c;
        ++y;
    }
    return b;
}

TEST(BitmapToRegionRects, RowsOfRunsBetweenCutOutPixels) {
    // Alpha plays no part: a cut-out colour with another alpha is still cut
    // out, a kept colour at alpha 0 still kept.
    const TColor32 cutClear = WithAlpha(kCut, 0), inClear = WithAlpha(kIn, 0);
    const TBitmap32 b = Picture({
        {kCut, kCut, kCut, kCut, kCut},  // nothing
        {kIn, kIn, kCut, kIn, kIn},      // a run closed in the middle, one to the end
        {kCut, kIn, cutClear, inClear, kCut},
        {kIn, kIn, kIn, kIn, kIn},      // the whole row
        {kCut, kCut, kCut, kCut, kIn},  // only the last pixel
    });
    const std::vector<TRect> expected = {
        {0, 1, 2, 2}, {3, 1, 5, 2}, {1, 2, 2, 3}, {3, 2, 4, 3}, {0, 3, 5, 4}, {4, 4, 5, 5},
    };
    EXPECT_EQ(BitmapToRegionRects(b, kCut), expected);
    // The cut-out colour as passed may carry any alpha too.
    EXPECT_EQ(BitmapToRegionRects(b, cutClear), expected);
}

TEST(BitmapToRegionRects, NothingKeptGivesNoRectangles) {
    TBitmap32 all(7, 3);
    all.Clear(kCut);
    EXPECT_TRUE(BitmapToRegionRects(all, kCut).empty());
    EXPECT_TRUE(BitmapToRegionRects(TBitmap32(), kCut).empty());
}

TEST(FlipBitmapVertically, MirrorsRowsExactly) {
    for (const TSize size : {TSize{3, 5}, TSize{2, 4}, TSize{4, 1}}) {
        TBitmap32 b(size.cx, size.cy);
        for (int y = 0; y < size.cy; ++y) {
            for (int x = 0; x < size.cx; ++x) *b.PixelPtr(x, y) = Color32(x, y, 7, 200);
        }
        FlipBitmapVertically(b);
        ASSERT_EQ(b.Width(), size.cx);
        ASSERT_EQ(b.Height(), size.cy);
        for (int y = 0; y < size.cy; ++y) {
            for (int x = 0; x < size.cx; ++x) {
                EXPECT_EQ(*b.PixelPtr(x, y), Color32(x, size.cy - 1 - y, 7, 200))
                    << size.cx << "x" << size.cy << " at " << x << "," << y;
            }
        }
    }
}

}  // namespace
}  // namespace lg::art
