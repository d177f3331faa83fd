#include "controls/list_scroll_geometry.h"

#include <algorithm>

namespace lg {
namespace {

// a / b to the nearest whole number, halves up; a >= 0, b > 0.
int RoundDiv(long long a, long long b) {
    return static_cast<int>((2 * a + b) / (2 * b));
}

bool Inside(const TRect& r, int x, int y) {
    return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
}

}  // namespace

int ListScrollMaxTop(int count, int visible) noexcept {
    return std::max(0, count - std::max(0, visible));
}

bool ListNeedsScrollBar(int count, int visible) noexcept {
    return visible > 0 && count > visible;
}

ListScrollBar ListScrollBarFor(const TRect& area, int count, int visible, int top,
                               int minThumb) noexcept {
    if (!ListNeedsScrollBar(count, visible) || area.IsEmpty()) return {};
    ListScrollBar b;
    b.bar = area;
    // Squares at both ends, but a third of the column at most, so a list of
    // one row still keeps a track to page in.
    const int arrow = std::min(area.Width(), area.Height() / 3);
    b.upArrow = TRect{area.Left, area.Top, area.Right, area.Top + arrow};
    b.downArrow = TRect{area.Left, area.Bottom - arrow, area.Right, area.Bottom};
    b.track = TRect{area.Left, b.upArrow.Bottom, area.Right, b.downArrow.Top};

    const int trackLength = b.track.Height();
    const int thumbLength =
        std::clamp(RoundDiv(static_cast<long long>(trackLength) * visible, count),
                   std::min(std::max(0, minThumb), trackLength), trackLength);
    const int maxTop = ListScrollMaxTop(count, visible);
    const int travel = trackLength - thumbLength;
    const int shownTop = std::clamp(top, 0, maxTop);
    const int thumbTop = b.track.Top + RoundDiv(static_cast<long long>(shownTop) * travel, maxTop);
    b.thumb = TRect{area.Left, thumbTop, area.Right, thumbTop + thumbLength};
    return b;
}

ListScrollPart ListScrollPartAt(const ListScrollBar& b, int x, int y) noexcept {
    using enum ListScrollPart;
    if (!b.Shown() || !Inside(b.bar, x, y)) return None;
    if (Inside(b.upArrow, x, y)) return LineUp;
    if (Inside(b.downArrow, x, y)) return LineDown;
    if (Inside(b.thumb, x, y)) return Thumb;
    if (!Inside(b.track, x, y)) return None;
    return y < b.thumb.Top ? PageUp : PageDown;
}

int ListScrollTopAfter(ListScrollPart part, int top, int count, int visible) noexcept {
    using enum ListScrollPart;
    const int page = std::max(1, visible);
    int step = 0;
    switch (part) {
        case LineUp:
            step = -1;
            break;
        case LineDown:
            step = 1;
            break;
        case PageUp:
            step = -page;
            break;
        case PageDown:
            step = page;
            break;
        case None:
        case Thumb:
            break;
    }
    return std::clamp(top + step, 0, ListScrollMaxTop(count, visible));
}

int ListScrollTopForThumb(const ListScrollBar& b, int count, int visible, int thumbTop) noexcept {
    const int travel = b.track.Height() - b.thumb.Height();
    if (!b.Shown() || travel <= 0) return 0;
    const int offset = std::clamp(thumbTop - b.track.Top, 0, travel);
    return RoundDiv(static_cast<long long>(offset) * ListScrollMaxTop(count, visible), travel);
}

}  // namespace lg
