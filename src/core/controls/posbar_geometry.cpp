#include "controls/posbar_geometry.h"

#include "numeric/rounding.h"

namespace lg {
namespace {

// Far beyond any control, yet well inside both int and the exact integers
// of long double, so a wild range still gives a harmless offset.
constexpr long double kPixelLimit = 1 << 30;

}  // namespace

PosbarLayout ComputePosbarLayout(const PosbarExtents& e) {
    PosbarLayout l;
    l.length = e.controlAlong;
    if (!e.barVisible) return l;
    l.margin = e.thumbAlong / 2;
    l.length -= e.thumbAlong;
    if (e.cutMode) {
        l.margin += e.cutLeftAlong;
        l.length -= e.cutLeftAlong + e.cutRightAlong;
    }
    l.barOffset = (e.controlAcross - e.barSize) / 2;
    l.barSize = e.barSize;
    return l;
}

std::int64_t PosbarValueToPixel(std::int64_t value, std::int64_t min, std::int64_t max,
                                int length) {
    // Differences in long double: int64 ones could overflow for a wide range.
    const long double range = static_cast<long double>(max) - static_cast<long double>(min);
    if (range == 0) return 0;
    const long double offset = static_cast<long double>(value) - static_cast<long double>(min);
    long double p = RoundHalfEven(offset / range * length);
    if (p > kPixelLimit) p = kPixelLimit;
    if (p < -kPixelLimit) p = -kPixelLimit;
    return static_cast<std::int64_t>(p);
}

std::int64_t PosbarPixelToValue(std::int64_t pixel, std::int64_t min, std::int64_t max,
                                int length) {
    if (length <= 0) return min;
    const long double range = static_cast<long double>(max) - static_cast<long double>(min);
    const long double v = RoundHalfEven(static_cast<long double>(pixel) / length * range +
                                        static_cast<long double>(min));
    // Compared in long double, whose 64-bit mantissa holds every int64, so
    // the value is converted only once it lies between the two ends.
    if (v >= static_cast<long double>(max)) return max >= min ? max : min;
    if (v <= static_cast<long double>(min)) return min;
    return static_cast<std::int64_t>(v);
}

}  // namespace lg
