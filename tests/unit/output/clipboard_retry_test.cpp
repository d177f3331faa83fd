#include "output/clipboard_retry.h"

#include <gtest/gtest.h>

#include <optional>

namespace lg {
namespace {

TEST(ClipboardRetryTest, PausesDoubleUpToTheLongestAndStopAtTheBudget) {
    const ClipboardRetry plan;  // 1000 ms, 10 ms doubling up to 100 ms
    struct Case {
        const char* why;
        int failed;
        std::uint32_t elapsed;
        std::optional<std::uint32_t> pause;
    } const cases[] = {
        {"a brief hold costs little", 1, 0, 10},
        {"then it doubles", 2, 10, 20},
        {"", 3, 30, 40},
        {"", 4, 70, 80},
        {"capped, not 160", 5, 150, 100},
        {"a long run never overflows", 100000, 500, 100},
        {"cut short so the last try falls at the budget", 9, 995, 5},
        {"the budget is spent", 10, 1000, std::nullopt},
        {"an attempt that itself took long", 3, 4000, std::nullopt},
        {"no failed attempt counted yet", 0, 0, 10},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NextClipboardPause(plan, c.failed, c.elapsed), c.pause) << c.why;
    }
}

TEST(ClipboardRetryTest, DegeneratePlansNeverSpinOrWait) {
    struct Case {
        const char* why;
        ClipboardRetry plan;
        std::optional<std::uint32_t> pause;
    } const cases[] = {
        {"no first pause: at least a millisecond", {1000, 0, 100}, 1},
        {"no longest pause: at least a millisecond", {1000, 10, 0}, 1},
        {"a first pause beyond the longest is the longest", {1000, 500, 100}, 100},
        {"no budget: give up at once", {0, 10, 100}, std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(NextClipboardPause(c.plan, 1, 0), c.pause) << c.why;
}

// The whole schedule, run against a clock: it ends at the budget whatever
// each attempt costs, never later than one attempt past it.
TEST(ClipboardRetryTest, TheScheduleEndsAtTheBudget) {
    for (const std::uint32_t attemptCost : {0u, 7u, 300u}) {
        const ClipboardRetry plan;
        std::uint32_t clock = 0;
        int failed = 0;
        for (;;) {
            clock += attemptCost;
            ++failed;
            const std::optional<std::uint32_t> pause = NextClipboardPause(plan, failed, clock);
            if (!pause) break;
            ASSERT_GE(*pause, 1u);
            ASSERT_LE(*pause, plan.maxPauseMs);
            clock += *pause;
            ASSERT_LT(failed, 1000) << "the retry must end";
        }
        EXPECT_GE(clock, plan.budgetMs) << attemptCost;
        EXPECT_LE(clock, plan.budgetMs + attemptCost) << attemptCost;
        if (attemptCost == 0) {
            EXPECT_EQ(failed, 14) << "10+20+40+80, then 100s to 1000";
        }
    }
}

}  // namespace
}  // namespace lg
