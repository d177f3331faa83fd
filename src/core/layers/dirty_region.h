// The set of view areas that need painting again, kept as a short list of
// rectangles so that a host repaints only what changed.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "raster/geometry.h"

namespace lg {

// Smallest rectangle holding both; an empty rectangle adds nothing.
TRect UnionRect(const TRect& a, const TRect& b);

// The pixels of a outside b, as at most four disjoint rectangles (the band
// above b, the one below, then left and right of it); returns how many.
int SubtractRect(const TRect& a, const TRect& b, TRect (&out)[4]);

// Accumulates dirty rectangles. Adding merges a rectangle into one it
// overlaps or touches when the merged box costs no more pixels than the two
// apart, so a layer dragged in small steps yields one growing rectangle
// while two distant changes stay two small ones. The union of the list
// always covers every rectangle added since the last Take().
class TDirtyRegion {
public:
    // Beyond this many separate rectangles the list collapses into their
    // bounding box: painting a few extra pixels is cheaper than walking a
    // long list on every paint.
    static constexpr std::size_t kMaxRects = 16;

    void Add(const TRect& r);
    bool Empty() const { return rects_.empty(); }
    std::span<const TRect> Rects() const { return rects_; }
    // The rectangles gathered so far; the region is empty afterwards.
    std::vector<TRect> Take();
    void Clear() { rects_.clear(); }

private:
    std::vector<TRect> rects_;
};

}  // namespace lg
