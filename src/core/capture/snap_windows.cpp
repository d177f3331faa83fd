#include "capture/snap_windows.h"

#include <cstdint>

namespace lg {
namespace {

bool Contains(const TRect& r, TPoint p) {
    return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom;
}

std::int64_t Area(const TRect& r) {
    return static_cast<std::int64_t>(r.Width()) * r.Height();
}

}  // namespace

SnapWindows::SnapWindows(std::span<const SnapWindowInfo> windows, const TRect& rectWork) {
    // Where each input window went in nodes_, -1 when it was dropped.
    std::vector<int> kept(windows.size(), -1);
    nodes_.reserve(windows.size());
    for (size_t i = 0; i < windows.size(); ++i) {
        const SnapWindowInfo& w = windows[i];
        if (w.ours || w.desktop || !w.visible) continue;
        TRect bounds = rectWork;
        int parent = -1;
        if (w.parent >= 0) {
            // A parent listed after its child breaks the tree: better no
            // snap than a wrong one.
            if (static_cast<size_t>(w.parent) >= i || kept[w.parent] < 0) continue;
            parent = kept[w.parent];
            bounds = nodes_[parent].rect;
        }
        const TRect r = IntersectRect(w.rect, bounds);
        if (r.IsEmpty()) continue;
        kept[i] = static_cast<int>(nodes_.size());
        nodes_.push_back(Node{r, parent, w.z});
    }
    for (Node& n : nodes_) {
        n.rect = TRect{n.rect.Left - rectWork.Left, n.rect.Top - rectWork.Top,
                       n.rect.Right - rectWork.Left, n.rect.Bottom - rectWork.Top};
    }
}

std::vector<SnapWindows::Hit> SnapWindows::ChainAt(TPoint p) const {
    const int n = static_cast<int>(nodes_.size());
    int top = -1;
    for (int i = 0; i < n; ++i) {
        const Node& w = nodes_[i];
        if (w.parent < 0 && Contains(w.rect, p) && (top < 0 || w.z < nodes_[top].z)) top = i;
    }
    if (top < 0) return {};

    // The smallest window inside `top` under the point; on a tie the deeper
    // one, then the one stacked higher. A child lies within its clipped
    // parent, so its whole chain contains the point too.
    int best = top;
    int bestDepth = 0;
    for (int i = top + 1; i < n; ++i) {
        const Node& w = nodes_[i];
        if (!Contains(w.rect, p)) continue;
        int depth = 0;
        int up = i;
        while (up >= 0 && up != top) {
            up = nodes_[up].parent;
            ++depth;
        }
        if (up != top) continue;
        const std::int64_t area = Area(w.rect), bestArea = Area(nodes_[best].rect);
        const bool better = area < bestArea ||
                            (area == bestArea &&
                             (depth > bestDepth || (depth == bestDepth && w.z < nodes_[best].z)));
        if (better) {
            best = i;
            bestDepth = depth;
        }
    }

    std::vector<Hit> chain;
    for (int i = best; i >= 0; i = nodes_[i].parent) {
        if (!chain.empty() && chain.back().rect == nodes_[i].rect) continue;
        chain.push_back(Hit{i, nodes_[i].rect});
    }
    return chain;
}

}  // namespace lg
