// The progress bar's pixels: surface outside the rounded corners, the
// track's outline and fill, and the accent fill's width at 96 and 144 DPI.
#include "art/progress_bar.h"

#include <gtest/gtest.h>

#include "art/art_colors.h"

namespace lg::art {
namespace {

constexpr TColor32 kSurface = Color32(9, 26, 50);
constexpr TColor32 kTrackOutline = Color32(74, 110, 161);
constexpr TColor32 kTrack = Color32(31, 51, 80);
constexpr TColor32 kFill = Color32(28, 194, 241);

TEST(ProgressBarTest, TrackOutlineAndCornersAtEveryScale) {
    for (const int dpi : {96, 144}) {
        const DisplayScale scale(dpi);
        const TBitmap32 bar = DrawProgressBar(0, scale);
        const int w = scale.Px(359), h = scale.Px(12), line = scale.Px(1);
        ASSERT_EQ(bar.Width(), w) << dpi;
        ASSERT_EQ(bar.Height(), h) << dpi;
        const int mid = h / 2;
        EXPECT_EQ(bar.PixelS(0, 0), kSurface) << dpi << " outside the rounded corner";
        EXPECT_EQ(bar.PixelS(w - 1, h - 1), kSurface) << dpi;
        for (int i = 0; i < line; ++i) {
            EXPECT_EQ(bar.PixelS(i, mid), kTrackOutline) << dpi << " left edge";
            EXPECT_EQ(bar.PixelS(w - 1 - i, mid), kTrackOutline) << dpi << " right edge";
            EXPECT_EQ(bar.PixelS(w / 2, i), kTrackOutline) << dpi << " top edge";
            EXPECT_EQ(bar.PixelS(w / 2, h - 1 - i), kTrackOutline) << dpi << " bottom edge";
        }
        EXPECT_EQ(bar.PixelS(line, mid), kTrack) << dpi;
        EXPECT_EQ(bar.PixelS(w / 2, mid), kTrack) << dpi << " nothing filled at 0";
    }
}

TEST(ProgressBarTest, FillCoversPositionTimesWidthOverAHundred) {
    struct Case {
        int dpi, position;
        int filled;  // pixels covered from the left
        const char* why;
    };
    const Case cases[] = {
        {96, 50, 180, "179.5 rounds to the even 180"},
        {96, 1, 4, "3.59 rounds up, not truncated"},
        {96, 99, 355, "355.41"},
        {144, 50, 270, "269.5 rounds to the even 270 at 150 %"},
        {144, 25, 135, "134.75 at 150 %"},
    };
    for (const Case& c : cases) {
        const TBitmap32 bar = DrawProgressBar(c.position, DisplayScale(c.dpi));
        const int mid = bar.Height() / 2;
        EXPECT_EQ(bar.PixelS(c.filled - 1, mid), kFill) << c.why;
        EXPECT_NE(bar.PixelS(c.filled, mid), kFill) << c.why;
        EXPECT_EQ(bar.PixelS(0, mid), kFill) << c.why << ": pen and fill both accent";
    }
    const TBitmap32 full = DrawProgressBar(100);
    EXPECT_EQ(full.PixelS(358, 6), kFill);
    EXPECT_EQ(full.PixelS(0, 0), kSurface) << "the fill keeps the corners";
    EXPECT_EQ(DrawProgressBar(250).PixelS(358, 6), kFill) << "beyond 100 is full";
}

}  // namespace
}  // namespace lg::art
