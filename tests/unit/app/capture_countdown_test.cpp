#include "app/capture_countdown.h"

#include <gtest/gtest.h>

#include <vector>

namespace lg {
namespace {

// A tick count close to its wrap, so every case also crosses it.
constexpr std::uint32_t kNearWrap = 0xFFFFF000u;

TEST(CaptureCountdownTest, ShowsTheSecondsLeftRoundedUp) {
    struct Case {
        const char* why;
        std::uint32_t at;  // ms after the start
        CountdownTick expected;
    };
    const Case cases[] = {
        {"the whole first second shows the delay", 0, {false, 3, 1000}},
        {"just before the first change", 999, {false, 3, 1}},
        {"the number changes on the second", 1000, {false, 2, 1000}},
        {"a late timer still shows the right number", 1700, {false, 2, 300}},
        {"the last second shows 1, never 0", 2999, {false, 1, 1}},
        {"the end is due", 3000, {true, 0, 0}},
        {"a late look past the end is due", 4500, {true, 0, 0}},
    };
    for (const Case& c : cases) {
        CaptureCountdown countdown;
        countdown.Start(3, kNearWrap);
        const CountdownTick tick = countdown.Tick(kNearWrap + c.at);
        EXPECT_EQ(tick.due, c.expected.due) << c.why;
        EXPECT_EQ(tick.secondsLeft, c.expected.secondsLeft) << c.why;
        EXPECT_EQ(tick.nextInMs, c.expected.nextInMs) << c.why;
        EXPECT_EQ(countdown.Running(), !c.expected.due) << c.why;
    }
}

// The shell sets its timer to nextInMs each time: the numbers it shows and
// the one moment the capture is due.
TEST(CaptureCountdownTest, FollowingTheTimerShowsEachNumberOnceThenIsDueOnce) {
    for (const int seconds : {3, 5, 10}) {
        CaptureCountdown countdown;
        countdown.Start(seconds, kNearWrap);
        std::vector<int> shown;
        int due = 0;
        std::uint32_t now = kNearWrap;
        for (int step = 0; step < 40; ++step) {
            const CountdownTick tick = countdown.Tick(now);
            if (tick.due) ++due;
            if (!countdown.Running()) break;
            shown.push_back(tick.secondsLeft);
            now += tick.nextInMs;
        }
        std::vector<int> expected;
        for (int s = seconds; s >= 1; --s) expected.push_back(s);
        EXPECT_EQ(shown, expected) << seconds;
        EXPECT_EQ(due, 1) << seconds;
        EXPECT_EQ(now - kNearWrap, static_cast<std::uint32_t>(seconds) * 1000) << seconds;
        // Stopped: later looks change nothing and never fire again.
        EXPECT_FALSE(countdown.Tick(now + 5000).due);
    }
}

TEST(CaptureCountdownTest, CancelAndRestart) {
    CaptureCountdown countdown;
    EXPECT_FALSE(countdown.Running());
    EXPECT_EQ(countdown.Tick(0).nextInMs, 0u) << "nothing to wait for before a start";

    // Esc, or a capture started another way, while counting: never due.
    countdown.Start(5, 100);
    countdown.Cancel();
    EXPECT_FALSE(countdown.Running());
    EXPECT_FALSE(countdown.Tick(100 + 6000).due);

    // A second choice while counting starts over with its own delay.
    countdown.Start(10, 0);
    EXPECT_EQ(countdown.Tick(4000).secondsLeft, 6);
    countdown.Start(3, 4000);
    EXPECT_EQ(countdown.Tick(4000).secondsLeft, 3);
    EXPECT_FALSE(countdown.Tick(6999).due);
    EXPECT_TRUE(countdown.Tick(7000).due);
}

}  // namespace
}  // namespace lg
