#include "numeric/rounding.h"

#include <cmath>

namespace lg {

long double RoundHalfEven(long double v) {
    const long double f = std::floor(v);
    const long double frac = v - f;
    if (frac > 0.5L) return f + 1;
    if (frac < 0.5L) return f;
    return std::fmod(f, 2.0L) == 0 ? f : f + 1;
}

std::int64_t RoundHalfEvenDiv(std::int64_t n, std::int64_t d) noexcept {
    std::int64_t q = n / d;
    std::int64_t r = n % d;
    // Floor division first, so the remainder is never negative.
    if (r < 0) {
        r += d;
        --q;
    }
    if (2 * r > d || (2 * r == d && (q & 1) != 0)) ++q;
    return q;
}

}  // namespace lg
