#include "tools/figure_bounds.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace lg {

namespace {

// How far a head's polygon and its ring reach from the tip: the base point
// lies size + pen width back along the line and the barbs size / sqrt(3)
// beyond it; the ring adds half its width, a plain edge one pixel.
double HeadReach(const TArrowHead& head) {
    if (head.Style == asNone || head.Size < kMinArrowSize) return 0;
    const double size = head.Size, pen = std::max(0.0f, head.Pen.Width);
    return size + pen + size / std::sqrt(3.0) + std::max(pen / 2, 1.0);
}

}  // namespace

TRect LineBounds(const TLine32& line) {
    return LineBounds(line, 0);
}

TRect LineBounds(const TLine32& line, std::size_t first) {
    const std::span<const TFixedPoint> all = line.Points();
    if (first >= all.size()) return TRect{};
    const std::span<const TFixedPoint> points = all.subspan(first);
    const bool drawable = std::any_of(points.begin(), points.end(),
                                      [&](const TFixedPoint& p) { return p != points.front(); });
    if (!drawable) return TRect{};

    double reach = std::max(0.0f, line.LineWidth) / 2;
    // A miter may stick out up to the limit times half the width.
    if (line.JoinStyle == jsMitered) reach *= std::max(1.0f, line.MiterLimit);
    reach = std::max({reach, HeadReach(line.ArrowStart), HeadReach(line.ArrowEnd)});
    // Anti-aliased edges and the one-pixel outline straddle the boundary.
    reach += 1;

    double left = FixedToDouble(points.front().X), right = left;
    double top = FixedToDouble(points.front().Y), bottom = top;
    for (const TFixedPoint& p : points) {
        left = std::min(left, FixedToDouble(p.X));
        right = std::max(right, FixedToDouble(p.X));
        top = std::min(top, FixedToDouble(p.Y));
        bottom = std::max(bottom, FixedToDouble(p.Y));
    }
    // Pixel x covers [x, x + 1), so the exclusive right edge is the ceiling
    // of the far edge. Fixed-point points stay below 2^15 pixels, so these
    // fit an int.
    return TRect{
        static_cast<int>(std::floor(left - reach)), static_cast<int>(std::floor(top - reach)),
        static_cast<int>(std::ceil(right + reach)), static_cast<int>(std::ceil(bottom + reach))};
}

}  // namespace lg
