#include "app/mouse_chord.h"

#include <gtest/gtest.h>

#include <vector>

namespace lg {
namespace {

constexpr auto LD = MouseChord::kLeftDown, LU = MouseChord::kLeftUp;
constexpr auto RD = MouseChord::kRightDown, RU = MouseChord::kRightUp;
constexpr std::uint32_t kMiddleDown = 0x207, kWheel = 0x20A;

TEST(MouseChordTest, SecondButtonDownStartsACapture) {
    struct Case {
        const char* why;
        std::vector<std::uint32_t> events;
        bool twoMouse;
        int captureAt;  // index of the event that starts a capture, -1 none
    };
    const Case cases[] = {
        {"left then right", {LD, RD}, true, 1},
        {"right then left", {RD, LD}, true, 1},
        {"left released before right", {LD, LU, RD}, true, -1},
        {"chord switched off", {LD, RD}, false, -1},
        {"middle and wheel change nothing", {LD, kMiddleDown, kWheel, RD}, true, 3},
        {"single clicks", {LD, LU, RD, RU, LD, LU}, true, -1},
        // The right button is still down from the first chord.
        {"left again while right held", {LD, RD, LU, LD}, true, 1},
    };
    for (const Case& c : cases) {
        MouseChord chord;
        int firstCapture = -1;
        int captures = 0;
        for (size_t i = 0; i < c.events.size(); ++i) {
            if (chord.OnEvent(c.events[i], c.twoMouse)) {
                if (firstCapture < 0) firstCapture = static_cast<int>(i);
                ++captures;
            }
        }
        EXPECT_EQ(firstCapture, c.captureAt) << c.why;
    }
}

TEST(MouseChordTest, StatesAreTrackedWhileSwitchedOff) {
    MouseChord chord;
    EXPECT_FALSE(chord.OnEvent(LD, false));
    // Switched on between the two presses: read when the second goes down.
    EXPECT_TRUE(chord.OnEvent(RD, true));
}

}  // namespace
}  // namespace lg
