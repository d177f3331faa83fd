#include "dpi/display_scale.h"

#include <gtest/gtest.h>

#include <array>

namespace lg {
namespace {

struct PxCase {
    const char* why;
    int dpi;
    int v96;
    int px;
};

class DisplayScalePx : public ::testing::TestWithParam<PxCase> {};

TEST_P(DisplayScalePx, RoundsToTheNearestPixel) {
    const PxCase& c = GetParam();
    EXPECT_EQ(DisplayScale(c.dpi).Px(c.v96), c.px) << c.why;
}

INSTANTIATE_TEST_SUITE_P(Table, DisplayScalePx,
                         ::testing::Values(PxCase{"96 DPI is the identity", 96, 37, 37},
                                           PxCase{"a failed query counts as 96", 0, 37, 37},
                                           PxCase{"150 % rounds a half up", 144, 3, 5},
                                           PxCase{"150 % of an even size is exact", 144, 38, 57},
                                           PxCase{"200 % doubles", 192, 157, 314},
                                           PxCase{"125 % rounds down below a half", 120, 5, 6},
                                           PxCase{"negative lengths round away from zero", 144, -3,
                                                  -5},
                                           PxCase{"175 %", 168, 532, 931}));

TEST(DisplayScaleRect, EdgesScaleOnTheirOwnSoNeighboursStillTouch) {
    const DisplayScale s(144);
    const TRect a{0, 0, 38, 38}, b{38, 0, 76, 38};
    EXPECT_EQ(s.Rect(a).Right, s.Rect(b).Left);
    EXPECT_EQ(s.Rect(TRect{0, 0, 532, 38}), (TRect{0, 0, 798, 57}));
}

TEST(ScaleForRect, TakesTheMonitorARectangleOverlapsMost) {
    // A 100 % primary and a 150 % monitor to its right.
    const std::array<MonitorDpi, 2> monitors{
        {{TRect{0, 0, 1920, 1080}, 96}, {TRect{1920, 0, 4800, 1620}, 144}}};
    struct Case {
        const char* why;
        TRect r;
        int dpi;
    } cases[] = {
        {"a panel on the 150 % monitor", TRect{2000, 100, 2798, 157}, 144},
        {"a panel on the primary", TRect{100, 100, 632, 138}, 96},
        {"across the seam, mostly on the right", TRect{1900, 0, 2100, 40}, 144},
        {"across the seam, mostly on the left", TRect{1700, 0, 1940, 40}, 96},
        {"a point on the right monitor", TRect{3000, 500, 3000, 500}, 144},
        {"off every screen, nearest is the right one", TRect{5000, 200, 5100, 300}, 144},
        {"off every screen to the left", TRect{-500, 200, -400, 300}, 96},
    };
    for (const Case& c : cases) EXPECT_EQ(ScaleForRect(monitors, c.r).Dpi(), c.dpi) << c.why;
    EXPECT_TRUE(ScaleForRect({}, TRect{0, 0, 10, 10}).IsIdentity());
}

}  // namespace
}  // namespace lg
