// The drop-down list of the owner-drawn combo box as plain values: where it
// lies, which row is under a point, and what a click does. The shell shows
// the list in a real window of its own and asks these functions; nothing
// here knows a window.
#pragma once

#include <cstdint>

#include "raster/geometry.h"

namespace lg {

// The list's place and rows, in pixels of the display, relative to the
// face's top-left corner.
struct ComboListGeometry {
    TRect bounds;        // the whole list window, frame included
    int frame = 0;       // width of the frame inside bounds
    int itemHeight = 0;  // height of one row
    int rows = 0;        // rows shown at once (no more than the items)
    // The column of the scroll bar at the right, beside the rows, in the
    // list's own coordinates; empty when every item fits.
    TRect scrollBar;

    // The rectangle of the row shown `row`-th from the top, in the list's
    // own coordinates (0, 0 at bounds' top-left); the scroll bar narrows it.
    TRect RowRect(int row) const {
        const int top = frame + row * itemHeight;
        const int right = bounds.Width() - frame - scrollBar.Width();
        return TRect{frame, top, right, top + itemHeight};
    }

    friend bool operator==(const ComboListGeometry&, const ComboListGeometry&) = default;
};

// The list below a face `faceWidth` wide, `faceHeight` high: it starts at
// the face's left edge, `top` pixels down, twice the face's width, with at
// most `maxRows` rows of `itemCount`. A list without items has no rows and
// only its frame. When some items do not fit, a column `scrollBarWidth`
// wide at the right, inside the frame, holds the scroll bar.
ComboListGeometry ComboListGeometryFor(int faceWidth, int top, int itemHeight, int frame,
                                       int itemCount, int maxRows, int scrollBarWidth = 0) noexcept;

// The item under (x, y) of the list's own coordinates, with `topIndex` the
// item in the first row; -1 over the frame, the scroll bar, below the last
// item or outside.
int ComboListItemAt(const ComboListGeometry& g, int topIndex, int itemCount, int x, int y) noexcept;

// The first row's item that keeps `index` in view, starting from
// `topIndex`, and never leaving empty rows at the bottom.
int ComboListTopIndexFor(int index, int topIndex, int itemCount, int rows) noexcept;

// Where a click of the user lands while the combo box is shown.
enum class ComboClickPlace : std::uint8_t {
    Face,     // the label or the drop-down button
    List,     // inside the open list
    Outside,  // anywhere else
};

enum class ComboClickAction : std::uint8_t { None, Open, Close, Pick };

struct ComboClickDecision {
    ComboClickAction action = ComboClickAction::None;
    int item = -1;  // the picked item, for Pick

    friend bool operator==(const ComboClickDecision&, const ComboClickDecision&) = default;
};

// What a click does: on the face it opens a closed list (when there is
// something to show) and closes an open one; in the open list it picks the
// item under the pointer, and between items (the frame, the empty space)
// it does nothing; anywhere else it closes an open list.
ComboClickDecision DecideComboClick(bool droppedDown, ComboClickPlace place, int itemUnder,
                                    int itemCount) noexcept;

}  // namespace lg
