// The vertical scroll bar of a list that shows `visible` of its `count`
// rows from row `top`: where its arrows, track and thumb lie, which part a
// point is over, and the top row a click or a thumb drag leads to. Plain
// values only; the list that owns the bar draws it and routes the mouse.
#pragma once

#include <cstdint>

#include "raster/geometry.h"

namespace lg {

// The bar's width and the shortest thumb, in 96-DPI pixels. The thumb of a
// list of hundreds would otherwise shrink to a sliver no one can grab.
inline constexpr int kListScrollBarWidth = 12;
inline constexpr int kListScrollMinThumb = 16;

// The last row that can be the top one: never leaves empty rows below.
int ListScrollMaxTop(int count, int visible) noexcept;

// A bar only when some rows do not fit; a list showing no rows has none.
bool ListNeedsScrollBar(int count, int visible) noexcept;

// The parts, in the coordinates `area` is given in. All empty when the
// list needs no bar.
struct ListScrollBar {
    TRect bar;        // the whole column
    TRect upArrow;    // steps one row up
    TRect downArrow;  // steps one row down
    TRect track;      // between the arrows; a click above or below the thumb pages
    TRect thumb;      // inside the track, as long as the share of rows shown

    bool Shown() const { return !bar.IsEmpty(); }
    friend bool operator==(const ListScrollBar&, const ListScrollBar&) = default;
};

// The bar filling `area` (the column at the list's right edge, at the
// display's scale). The arrows are squares of the column's width, shorter
// when the column cannot hold two squares; the thumb is at least
// `minThumb` long (less only when the track itself is shorter).
ListScrollBar ListScrollBarFor(const TRect& area, int count, int visible, int top,
                               int minThumb) noexcept;

enum class ListScrollPart : std::uint8_t { None, LineUp, LineDown, PageUp, PageDown, Thumb };

ListScrollPart ListScrollPartAt(const ListScrollBar& b, int x, int y) noexcept;

// The top row after one click on `part`: the arrows move one row, the track
// a page (the rows shown), kept within the rows.
int ListScrollTopAfter(ListScrollPart part, int top, int count, int visible) noexcept;

// The top row for a thumb dragged so that its top edge is at `thumbTop`
// (the pointer less where it grabbed the thumb): the row whose thumb lies
// nearest, kept within the rows.
int ListScrollTopForThumb(const ListScrollBar& b, int count, int visible, int thumbTop) noexcept;

}  // namespace lg
