#include "controls/combo_list.h"

#include <algorithm>

#include "controls/list_scroll_geometry.h"

namespace lg {

ComboListGeometry ComboListGeometryFor(int faceWidth, int top, int itemHeight, int frame,
                                       int itemCount, int maxRows, int scrollBarWidth) noexcept {
    ComboListGeometry g;
    g.frame = std::max(0, frame);
    g.itemHeight = std::max(1, itemHeight);  // a face too low still lists its items
    g.rows = std::clamp(itemCount, 0, std::max(0, maxRows));
    const int width = 2 * std::max(0, faceWidth);
    g.bounds = TRect{0, top, width, top + g.rows * g.itemHeight + 2 * g.frame};
    if (ListNeedsScrollBar(itemCount, g.rows)) {
        // Never wider than the room inside the frame.
        const int right = width - g.frame;
        const int bar = std::clamp(scrollBarWidth, 0, std::max(0, right - g.frame));
        if (bar > 0)
            g.scrollBar = TRect{right - bar, g.frame, right, g.frame + g.rows * g.itemHeight};
    }
    return g;
}

int ComboListItemAt(const ComboListGeometry& g, int topIndex, int itemCount, int x,
                    int y) noexcept {
    if (x < g.frame || x >= g.RowRect(0).Right) return -1;
    if (y < g.frame || y >= g.frame + g.rows * g.itemHeight) return -1;
    const int index = topIndex + (y - g.frame) / g.itemHeight;
    return index >= 0 && index < itemCount ? index : -1;
}

int ComboListTopIndexFor(int index, int topIndex, int itemCount, int rows) noexcept {
    const int lastTop = std::max(0, itemCount - std::max(1, rows));
    int top = std::clamp(topIndex, 0, lastTop);
    if (index < 0 || index >= itemCount) return top;
    if (index < top) top = index;
    if (index >= top + rows) top = index - rows + 1;
    return std::clamp(top, 0, lastTop);
}

ComboClickDecision DecideComboClick(bool droppedDown, ComboClickPlace place, int itemUnder,
                                    int itemCount) noexcept {
    using enum ComboClickAction;
    if (!droppedDown) {
        // An empty list would open as a bare frame: nothing to choose from.
        if (place == ComboClickPlace::Face && itemCount > 0) return {Open, -1};
        return {None, -1};
    }
    switch (place) {
        case ComboClickPlace::List:
            if (itemUnder >= 0 && itemUnder < itemCount) return {Pick, itemUnder};
            return {None, -1};
        case ComboClickPlace::Face:
        case ComboClickPlace::Outside:
            break;
    }
    return {Close, -1};
}

}  // namespace lg
