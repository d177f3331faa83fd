// Rounding to the nearest integer with halves going to the even neighbour,
// the one rule the program's percentages, positions and pixel counts share
// (0.5 → 0, 1.5 → 2, 2.5 → 2).
#pragma once

#include <cstdint>

namespace lg {

long double RoundHalfEven(long double v);

// n / d rounded the same way, in integers alone.
// d must be positive; n may be negative.
std::int64_t RoundHalfEvenDiv(std::int64_t n, std::int64_t d) noexcept;

}  // namespace lg
