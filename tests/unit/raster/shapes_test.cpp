#include "raster/shapes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "raster/raster_test_util.h"

namespace lg {
namespace {

// Share of pixel (x, y) inside the true circle, from 64 x 64 samples.
double DiscShare(int x, int y, double cx, double cy, double r) {
    int in = 0;
    for (int j = 0; j < 64; ++j) {
        for (int i = 0; i < 64; ++i) {
            const double dx = x + (i + 0.5) / 64 - cx, dy = y + (j + 0.5) / 64 - cy;
            in += dx * dx + dy * dy < r * r;
        }
    }
    return in / 4096.0;
}

TEST(FillCircle, StampDiscIsRoundAtRadius20) {
    TBitmap32 b(100, 100);
    b.SetCombineMode(cmMerge);  // merged onto alpha 0, a pixel's alpha is its coverage
    FillCircle(b, FixedPoint(50, 50), 20, 0xFFFFFFFFu);
    double area = 0;
    int worst = 0;
    for (int y = 25; y < 75; ++y) {
        for (int x = 25; x < 75; ++x) {
            const int got = static_cast<int>(AlphaOf(b.PixelS(x, y)));
            area += got / 255.0;
            worst = std::max(
                worst,
                std::abs(got - static_cast<int>(std::lround(255 * DiscShare(x, y, 50, 50, 20)))));
        }
    }
    // The polygon strays at most 1/32 pixel from the circle either way: at
    // most 1/32 of a pixel's area, 8 of 255, and the area stays the circle's.
    EXPECT_LE(worst, 8);
    EXPECT_NEAR(area, std::numbers::pi * 400, 0.001 * std::numbers::pi * 400);
    // Outside the circle's square only the polygon's vertices peep out, by
    // 1/32 pixel at most.
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 100; ++x) {
            if (x >= 30 && x < 70 && y >= 30 && y < 70) continue;
            EXPECT_LE(AlphaOf(b.PixelS(x, y)), 2u) << x << "," << y;
        }
    }
    EXPECT_EQ(b.PixelS(50, 50), 0xFFFFFFFFu);
}

TEST(FillEllipse, FillsTheInscribedEllipse) {
    TBitmap32 b(40, 20);
    FillEllipse(b, TFloatRect{5, 5, 35, 15}, 0xFF00FF00u);
    EXPECT_EQ(testing::ChangedBox(b, 0), Rect(5, 5, 35, 15));
    EXPECT_EQ(b.PixelS(20, 10), 0xFF00FF00u);
    EXPECT_EQ(b.PixelS(5, 5), 0u) << "the corner of the rectangle is outside";
    TBitmap32 flat(40, 20);
    FillEllipse(flat, TFloatRect{5, 5, 5, 15}, 0xFFFF0000u);  // no width: nothing
    FillEllipse(flat, TFloatRect{5, 8, 30, 8}, 0xFFFF0000u);  // no height: nothing
    EXPECT_EQ(testing::CountChanged(flat, 0), 0);
}

TEST(ThickPolyline, CaretSegmentThreePixelsWide) {
    // From (10, 5) to (10, 20), width 3: x from 8.5 to 11.5, flat ends.
    TBitmap32 b(20, 30);
    b.SetCombineMode(cmMerge);  // alpha = coverage
    const TFloatPoint caret[] = {{10, 5}, {10, 20}};
    ThickPolyline(b, caret, 0xFF000000u, 3.0);
    struct Px {
        int x, y;
        std::uint32_t alpha;
    };
    const Px px[] = {{7, 10, 0},  {8, 10, 128}, {9, 10, 255}, {10, 10, 255}, {11, 10, 128},
                     {12, 10, 0}, {9, 4, 0},    {9, 5, 255},  {9, 19, 255},  {9, 20, 0}};
    for (const Px& p : px) EXPECT_EQ(AlphaOf(b.PixelS(p.x, p.y)), p.alpha) << p.x << "," << p.y;
}

TEST(FillFrame, StripsMeetWithoutOverlapAndAWideFrameFills) {
    // A translucent colour shows any overlap: every frame pixel must have
    // been blended exactly once.
    struct Case {
        const char* why;
        TRect r;
        int width;
        int framePixels;
    } cases[] = {
        {"one pixel round 10 x 6", {2, 2, 12, 8}, 1, 10 * 6 - 8 * 4},
        {"two pixels round 10 x 6", {2, 2, 12, 8}, 2, 10 * 6 - 6 * 2},
        {"wider than half the height fills it", {2, 2, 12, 8}, 5, 10 * 6},
        {"no width draws nothing", {2, 2, 12, 8}, 0, 0},
    };
    for (const Case& c : cases) {
        TBitmap32 b(16, 12);
        b.Clear(0xFF000000u);
        FillFrame(b, c.r, c.width, 0x80FFFFFFu);
        const TColor32 once = [] {
            TBitmap32 one(1, 1);
            one.Clear(0xFF000000u);
            one.FillRectTS(0, 0, 1, 1, 0x80FFFFFFu);
            return one.Pixels()[0];
        }();
        int frame = 0;
        for (const TColor32 p : b.Pixels()) {
            ASSERT_TRUE(p == 0xFF000000u || p == once) << c.why;
            frame += p == once;
        }
        EXPECT_EQ(frame, c.framePixels) << c.why;
    }
}

}  // namespace
}  // namespace lg
