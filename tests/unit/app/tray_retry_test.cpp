#include "app/tray_retry.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

namespace lg {
namespace {

TEST(TrayRetry, WaitsDoubleUpToTheCapThenStop) {
    constexpr TrayRetrySchedule kSmall{100, 400, 1000};
    struct Case {
        const char* why;
        int failures;
        TrayRetrySchedule schedule;
        std::optional<std::uint32_t> expected;
    };
    const Case cases[] = {
        {"nothing failed: nothing to retry", 0, {}, std::nullopt},
        {"the add at start-up failed", 1, {}, 1000},
        {"doubled", 2, {}, 2000},
        {"doubled again", 3, {}, 4000},
        {"capped", 6, {}, 30000},
        {"stays at the cap", 7, {}, 30000},
        {"small: first", 1, kSmall, 100},
        {"small: capped at the third", 3, kSmall, 400},
        {"small: 100 + 200 + 400 + 400 passes the bound of 1000", 4, kSmall, std::nullopt},
        {"a zero first wait still grows and ends", 1, {0, 2, 3}, 1},
        {"a zero first wait still grows and ends", 3, {0, 2, 3}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(TrayRetryDelay(c.failures, c.schedule), c.expected) << c.failures;
    }
}

TEST(TrayRetry, TheDefaultRetriesEndWithinTheirBound) {
    const TrayRetrySchedule s;
    std::uint64_t total = 0;
    int failures = 1;
    for (; failures < 1000; ++failures) {
        const std::optional<std::uint32_t> d = TrayRetryDelay(failures, s);
        if (!d) break;
        total += *d;
    }
    EXPECT_LE(total, s.giveUpAfterMs);
    EXPECT_GT(total, s.giveUpAfterMs - s.maxDelayMs) << "the bound is used, not cut short";
    EXPECT_LT(failures, 1000);
    EXPECT_FALSE(TrayRetryDelay(failures + 1, s)) << "once given up, it stays so";
}

}  // namespace
}  // namespace lg
