#include "capture/capture_geometry.h"

#include <gtest/gtest.h>

#include <vector>

namespace lg {
namespace {

TEST(ComputeRectWorkTest, BoundsEveryMonitor) {
    struct Case {
        const char* why;
        std::vector<TRect> monitors;
        TRect expected;
    };
    const Case cases[] = {
        {"one monitor", {{0, 0, 1920, 1080}}, {0, 0, 1920, 1080}},
        {"second to the right, taller",
         {{0, 0, 1920, 1080}, {1920, -200, 3360, 1240}},
         {0, -200, 3360, 1240}},
        {"second to the left and above",
         {{0, 0, 1920, 1080}, {-1280, -1024, 0, 0}},
         {-1280, -1024, 1920, 1080}},
        {"no monitor reported: the primary screen", {}, {0, 0, 1920, 1080}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ComputeRectWork(1920, 1080, c.monitors), c.expected) << c.why;
    }
}

TEST(InitialSelectionTest, WindowIsClippedAndMovedIntoCaptureCoordinates) {
    const TRect work{-1280, -200, 1920, 1080};
    struct Case {
        const char* why;
        int kind;
        std::optional<TRect> window;
        std::optional<TRect> expected;
    };
    const Case cases[] = {
        {"area capture has none yet", 0, TRect{0, 0, 10, 10}, std::nullopt},
        {"whole screen", 2, std::nullopt, TRect{0, 0, 3200, 1280}},
        {"window inside", 1, TRect{100, 50, 500, 450}, TRect{1380, 250, 1780, 650}},
        {"window over the left edge", 1, TRect{-1400, 0, -1000, 100}, TRect{0, 200, 280, 300}},
        {"no foreground window", 1, std::nullopt, std::nullopt},
        {"zero width", 1, TRect{10, 10, 10, 90}, std::nullopt},
        // Clipping a window that lies wholly off the screen inverts it.
        {"window off the screen", 1, TRect{3000, 0, 3500, 100}, std::nullopt},
        {"window below the screen", 1, TRect{0, 2000, 100, 2100}, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(InitialSelection(c.kind, work, c.window), c.expected) << c.why;
    }
}

TEST(VisibleWindowFrameTest, TheCompositorsFrameWhenItIsUsable) {
    // A window of current systems: an invisible 7-pixel resize border on the
    // left, right and bottom of the visible frame.
    const TRect window{93, 50, 507, 457};
    const TRect frame{100, 50, 500, 450};
    struct Case {
        const char* why;
        std::optional<TRect> extended;
        TRect expected;
    };
    const Case cases[] = {
        {"frame reported", frame, frame},
        {"no compositor answer", std::nullopt, window},
        {"empty frame", TRect{100, 50, 100, 450}, window},
        {"inverted frame", TRect{500, 50, 100, 450}, window},
        {"frame of zero height", TRect{100, 50, 500, 50}, window},
        // A minimised or maximised window reports frames off the window
        // rectangle; what the compositor shows is what is taken.
        {"frame wider than the rectangle", TRect{-8, -8, 1928, 1048}, TRect{-8, -8, 1928, 1048}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(VisibleWindowFrame(c.extended, window), c.expected) << c.why;
    }
}

}  // namespace
}  // namespace lg
