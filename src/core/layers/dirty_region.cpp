#include "layers/dirty_region.h"

#include <algorithm>
#include <utility>

namespace lg {

namespace {

// In double: rectangles may span the whole int range, where products and
// sums of areas would overflow any integer type; the comparison below needs
// no more than a few significant digits.
double Area(const TRect& r) {
    return r.IsEmpty()
               ? 0.0
               : (static_cast<double>(r.Right) - r.Left) * (static_cast<double>(r.Bottom) - r.Top);
}

bool Contains(const TRect& outer, const TRect& inner) {
    return outer.Left <= inner.Left && outer.Top <= inner.Top && outer.Right >= inner.Right &&
           outer.Bottom >= inner.Bottom;
}

// Overlapping or sharing an edge (corner contact alone does not count: the
// box of two rectangles meeting at a corner is mostly waste).
bool Adjoins(const TRect& a, const TRect& b) {
    const bool xMeet = a.Left <= b.Right && b.Left <= a.Right;
    const bool yMeet = a.Top <= b.Bottom && b.Top <= a.Bottom;
    const bool xOverlap = a.Left < b.Right && b.Left < a.Right;
    const bool yOverlap = a.Top < b.Bottom && b.Top < a.Bottom;
    return (xMeet && yOverlap) || (yMeet && xOverlap);
}

}  // namespace

TRect UnionRect(const TRect& a, const TRect& b) {
    if (a.IsEmpty()) return b.IsEmpty() ? TRect{} : b;
    if (b.IsEmpty()) return a;
    return TRect{std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
                 std::max(a.Bottom, b.Bottom)};
}

int SubtractRect(const TRect& a, const TRect& b, TRect (&out)[4]) {
    if (a.IsEmpty()) return 0;
    const TRect hole = IntersectRect(a, b);
    if (hole.IsEmpty()) {
        out[0] = a;
        return 1;
    }
    int n = 0;
    const TRect bands[4] = {{a.Left, a.Top, a.Right, hole.Top},
                            {a.Left, hole.Bottom, a.Right, a.Bottom},
                            {a.Left, hole.Top, hole.Left, hole.Bottom},
                            {hole.Right, hole.Top, a.Right, hole.Bottom}};
    for (const TRect& r : bands) {
        if (!r.IsEmpty()) out[n++] = r;
    }
    return n;
}

void TDirtyRegion::Add(const TRect& rect) {
    if (rect.IsEmpty()) return;
    TRect r = rect;
    // Absorbing one rectangle grows r, which may now reach another one, so
    // the scan starts over after every merge.
    for (bool merged = true; merged;) {
        merged = false;
        for (std::size_t i = 0; i < rects_.size(); ++i) {
            const TRect& e = rects_[i];
            if (Contains(e, r)) return;
            const TRect u = UnionRect(e, r);
            if (Contains(r, e) || (Adjoins(e, r) && Area(u) <= Area(e) + Area(r))) {
                r = u;
                rects_.erase(rects_.begin() + static_cast<std::ptrdiff_t>(i));
                merged = true;
                break;
            }
        }
    }
    rects_.push_back(r);
    if (rects_.size() > kMaxRects) {
        TRect all{};
        for (const TRect& e : rects_) all = UnionRect(all, e);
        rects_.assign(1, all);
    }
}

std::vector<TRect> TDirtyRegion::Take() {
    std::vector<TRect> out;
    out.swap(rects_);
    return out;
}

}  // namespace lg
