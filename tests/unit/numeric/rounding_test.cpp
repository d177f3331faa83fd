// Halves to the even neighbour, in long double and in integer division.
#include "numeric/rounding.h"

#include <gtest/gtest.h>

namespace lg {
namespace {

TEST(RoundingTest, RoundsHalvesToEven) {
    const struct {
        long double v, expected;
    } cases[] = {{0.5L, 0},  {1.5L, 2},   {2.5L, 2},   {2.4999L, 2}, {2.5001L, 3},
                 {-0.5L, 0}, {-1.5L, -2}, {-2.5L, -2}, {7, 7}};
    for (const auto& c : cases) EXPECT_EQ(RoundHalfEven(c.v), c.expected) << double(c.v);
}

TEST(RoundingTest, RoundHalfEvenDivOnNegativeNumerators) {
    EXPECT_EQ(RoundHalfEvenDiv(-1, 2), 0);
    EXPECT_EQ(RoundHalfEvenDiv(-3, 2), -2);
    EXPECT_EQ(RoundHalfEvenDiv(-5, 2), -2);
    EXPECT_EQ(RoundHalfEvenDiv(-7, 3), -2);
}

}  // namespace
}  // namespace lg
