#include "dpi/display_scale.h"

#include <algorithm>
#include <limits>

namespace lg {
namespace {

long long OverlapArea(const TRect& a, const TRect& b) {
    const TRect c = IntersectRect(a, b);
    return static_cast<long long>(c.Width()) * c.Height();
}

// Squared distance between two rectangles (0 when they meet).
long long GapSquared(const TRect& a, const TRect& b) {
    const long long dx = std::max({0, b.Left - a.Right, a.Left - b.Right});
    const long long dy = std::max({0, b.Top - a.Bottom, a.Top - b.Bottom});
    return dx * dx + dy * dy;
}

}  // namespace

DisplayScale ScaleForRect(std::span<const MonitorDpi> monitors, const TRect& r) {
    const MonitorDpi* best = nullptr;
    long long bestArea = 0;
    for (const MonitorDpi& m : monitors) {
        const long long area = OverlapArea(m.bounds, r);
        if (area > bestArea) {
            bestArea = area;
            best = &m;
        }
    }
    if (!best) {
        // A point-sized or off-screen rectangle: the nearest monitor, as the
        // platform's MONITOR_DEFAULTTONEAREST picks it.
        long long bestGap = std::numeric_limits<long long>::max();
        for (const MonitorDpi& m : monitors) {
            const long long gap = GapSquared(m.bounds, r);
            if (gap < bestGap) {
                bestGap = gap;
                best = &m;
            }
        }
    }
    return best ? DisplayScale(best->dpi) : DisplayScale();
}

}  // namespace lg
