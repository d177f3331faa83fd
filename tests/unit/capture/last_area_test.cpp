#include "capture/last_area.h"

#include <gtest/gtest.h>

namespace lg {
namespace {

TEST(LastAreaSelectionTest, ClippedToTheScreenNowInCaptureCoordinates) {
    // A second monitor left of and above the primary one: capture
    // coordinates start at the virtual screen's corner, not at 0, 0.
    const TRect work{-1280, -200, 1920, 1080};
    struct Case {
        const char* why;
        std::optional<TRect> lastArea;
        std::optional<TRect> expected;
    };
    const Case cases[] = {
        {"no last area yet: a plain area capture", std::nullopt, std::nullopt},
        {"wholly on the screen", TRect{100, 50, 500, 350}, TRect{1380, 250, 1780, 550}},
        {"on the left monitor", TRect{-1000, -100, -600, 0}, TRect{280, 100, 680, 200}},
        {"over the right edge: clipped", TRect{1800, 900, 2100, 1200},
         TRect{3080, 1100, 3200, 1280}},
        {"the whole virtual screen", TRect{-2000, -500, 3000, 2000}, TRect{0, 0, 3200, 1280}},
        {"on a monitor that has gone", TRect{1920, 0, 2400, 300}, std::nullopt},
        {"above the screen", TRect{0, -600, 400, -200}, std::nullopt},
        {"empty", TRect{300, 300, 300, 400}, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LastAreaSelection(c.lastArea, work), c.expected) << c.why;
    }
}

}  // namespace
}  // namespace lg
