#include "http/rate_limiter.h"

#include <gtest/gtest.h>

namespace lg::srv {
namespace {

using std::chrono::seconds;

TEST(RateLimiter, BurstUpToTheLimitThenRefillsEvenly) {
    RateLimiter limiter(6);  // one upload every 10 s once the burst is spent
    const auto t0 = RateLimiter::Clock::time_point{} + seconds(1000);
    for (int i = 0; i < 6; ++i) EXPECT_TRUE(limiter.Take("a", t0)) << i;
    EXPECT_FALSE(limiter.Take("a", t0));
    EXPECT_FALSE(limiter.Take("a", t0 + seconds(9)));
    EXPECT_TRUE(limiter.Take("a", t0 + seconds(10)));
    EXPECT_FALSE(limiter.Take("a", t0 + seconds(11)));
    // A quiet hour refills only up to the limit, not beyond.
    const auto later = t0 + seconds(3600);
    for (int i = 0; i < 6; ++i) EXPECT_TRUE(limiter.Take("a", later)) << i;
    EXPECT_FALSE(limiter.Take("a", later));
}

TEST(RateLimiter, KeysHaveTheirOwnBuckets) {
    RateLimiter limiter(1);
    const auto t0 = RateLimiter::Clock::time_point{} + seconds(5);
    EXPECT_TRUE(limiter.Take("a", t0));
    EXPECT_FALSE(limiter.Take("a", t0));
    EXPECT_TRUE(limiter.Take("b", t0));
}

TEST(RateLimiter, ZeroMeansNoLimit) {
    RateLimiter limiter(0);
    const auto t0 = RateLimiter::Clock::time_point{};
    for (int i = 0; i < 1000; ++i) ASSERT_TRUE(limiter.Take("a", t0));
}

}  // namespace
}  // namespace lg::srv
