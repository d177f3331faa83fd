// The drop-down list's scroll bar as numbers: the thumb's length and place
// for row counts, shown rows and scales, which part a point is over, what
// a click on each part does, and where a dragged thumb puts the top row.
#include "controls/list_scroll_geometry.h"

#include <gtest/gtest.h>

#include "dpi/display_scale.h"

namespace lg {
namespace {

// The bar's column in the font family list at a scale: 8 rows of the
// list's row height (25 at 100 %) inside a 1-pixel frame, at x 0 here.
TRect FamilyColumn(int dpi) {
    const DisplayScale s(dpi);
    const int row = s.Px(31) - s.Px(6);
    return TRect{0, 0, s.Px(kListScrollBarWidth), 8 * row};
}

int MinThumb(int dpi) {
    return DisplayScale(dpi).Px(kListScrollMinThumb);
}

struct ThumbCase {
    const char* why;
    int dpi, count, visible, top;
    TRect thumb;
};

TEST(ListScrollGeometryTest, ThumbLengthAndPlace) {
    const ThumbCase cases[] = {
        {"13 sizes: the track (176) times 8/13, at the top", 96, 13, 8, 0, {0, 12, 12, 120}},
        {"13 sizes scrolled to the end: the thumb ends on the track's end",
         96,
         13,
         8,
         5,
         {0, 80, 12, 188}},
        {"13 sizes, top row 3: 3/5 of the 68 pixels of travel", 96, 13, 8, 3, {0, 53, 12, 161}},
        {"a top past the end is shown as the end", 96, 13, 8, 9, {0, 80, 12, 188}},
        {"a top before the start is shown as the start", 96, 13, 8, -4, {0, 12, 12, 120}},
        {"300 families: the shortest thumb, not a 5-pixel sliver", 96, 300, 8, 0, {0, 12, 12, 28}},
        {"300 families half way", 96, 300, 8, 146, {0, 92, 12, 108}},
        {"300 families at the end", 96, 300, 8, 292, {0, 172, 12, 188}},
        {"150 %: 18-pixel arrows, track 268, thumb 268 * 8/13", 144, 13, 8, 5, {0, 121, 18, 286}},
        {"150 %: the shortest thumb grows to 24", 144, 300, 8, 292, {0, 262, 18, 286}},
        {"200 %: 24-pixel arrows, a 32-pixel thumb half way", 192, 300, 8, 146, {0, 184, 24, 216}},
    };
    for (const ThumbCase& c : cases) {
        const TRect area = FamilyColumn(c.dpi);
        const ListScrollBar b = ListScrollBarFor(area, c.count, c.visible, c.top, MinThumb(c.dpi));
        EXPECT_EQ(b.thumb, c.thumb) << c.why;
        EXPECT_EQ(b.bar, area) << c.why;
        const int arrow = area.Width();
        EXPECT_EQ(b.upArrow, (TRect{0, 0, arrow, arrow})) << c.why;
        EXPECT_EQ(b.downArrow, (TRect{0, area.Bottom - arrow, arrow, area.Bottom})) << c.why;
        EXPECT_EQ(b.track, (TRect{0, arrow, arrow, area.Bottom - arrow})) << c.why;
    }
}

TEST(ListScrollGeometryTest, NoBarWhenEverythingFits) {
    const TRect area{0, 0, 12, 200};
    for (auto [count, visible] : {std::pair{8, 8}, {3, 3}, {0, 0}, {5, 0}}) {
        EXPECT_FALSE(ListScrollBarFor(area, count, visible, 0, 16).Shown())
            << count << " items, " << visible << " shown";
        EXPECT_EQ(ListScrollPartAt(ListScrollBarFor(area, count, visible, 0, 16), 5, 100),
                  ListScrollPart::None);
    }
    EXPECT_TRUE(ListScrollBarFor(area, 9, 8, 0, 16).Shown()) << "one row more than fits";
    EXPECT_FALSE(ListScrollBarFor(TRect{}, 9, 8, 0, 16).Shown()) << "no room for it";
}

TEST(ListScrollGeometryTest, AOneRowListKeepsATrackBetweenShortArrows) {
    const ListScrollBar b = ListScrollBarFor(TRect{0, 0, 12, 25}, 2, 1, 1, 16);
    EXPECT_EQ(b.upArrow, (TRect{0, 0, 12, 8}));
    EXPECT_EQ(b.downArrow, (TRect{0, 17, 12, 25}));
    EXPECT_EQ(b.thumb, b.track) << "a track shorter than the shortest thumb is all thumb";
    EXPECT_EQ(ListScrollTopForThumb(b, 2, 1, 20), 0) << "nothing to drag: the arrows scroll";
}

struct PartCase {
    const char* why;
    int x, y;
    ListScrollPart expected;
};

TEST(ListScrollGeometryTest, PartUnderAPoint) {
    using enum ListScrollPart;
    // 13 sizes at 100 % from row 3: thumb 53..161 of the track 12..188.
    const ListScrollBar b = ListScrollBarFor(FamilyColumn(96), 13, 8, 3, 16);
    const PartCase cases[] = {
        {"the up arrow's first pixel", 5, 0, LineUp},
        {"the up arrow's last row", 11, 11, LineUp},
        {"the track just below the up arrow", 5, 12, PageUp},
        {"the track just above the thumb", 5, 52, PageUp},
        {"the thumb's first row", 0, 53, Thumb},
        {"the thumb's last row", 5, 160, Thumb},
        {"the track just below the thumb", 5, 161, PageDown},
        {"the track's last row", 5, 187, PageDown},
        {"the down arrow", 5, 188, LineDown},
        {"the down arrow's last pixel", 11, 199, LineDown},
        {"right of the bar", 12, 100, None},
        {"left of the bar: the rows", -1, 100, None},
        {"below the bar", 5, 200, None},
    };
    for (const PartCase& c : cases) {
        EXPECT_EQ(ListScrollPartAt(b, c.x, c.y), c.expected) << c.why;
    }
}

struct ClickCase {
    const char* why;
    ListScrollPart part;
    int top, count, expected;
};

TEST(ListScrollGeometryTest, ArrowsStepARowTheTrackAPage) {
    using enum ListScrollPart;
    const ClickCase cases[] = {
        {"down arrow: one row", LineDown, 0, 300, 1},
        {"up arrow: one row", LineUp, 10, 300, 9},
        {"up arrow at the top stays", LineUp, 0, 300, 0},
        {"down arrow at the end stays", LineDown, 292, 300, 292},
        {"track below: the next 8 rows", PageDown, 0, 300, 8},
        {"track above: the previous 8 rows", PageUp, 10, 300, 2},
        {"track above near the start: the start", PageUp, 3, 300, 0},
        {"track below near the end: the end, no empty rows", PageDown, 0, 13, 5},
        {"the thumb itself does not step", Thumb, 7, 300, 7},
        {"nothing does not step", None, 7, 300, 7},
    };
    for (const ClickCase& c : cases) {
        EXPECT_EQ(ListScrollTopAfter(c.part, c.top, c.count, 8), c.expected) << c.why;
    }
}

struct DragCase {
    const char* why;
    int count, thumbTop, expected;
};

TEST(ListScrollGeometryTest, DraggedThumbChoosesTheTopRow) {
    // 100 %: track 12..188; 13 sizes have 68 pixels of travel for 5 rows,
    // 300 families 160 pixels for 292.
    const DragCase cases[] = {
        {"sizes: at the track's start, the first row", 13, 12, 0},
        {"sizes: above the track, still the first row", 13, -40, 0},
        {"sizes: 13 pixels down is nearest row 1 (at 26)", 13, 25, 1},
        {"sizes: where row 3's thumb lies", 13, 53, 3},
        {"sizes: at the end of the travel, the last top", 13, 80, 5},
        {"sizes: past the end, the last top", 13, 300, 5},
        {"families: one pixel down is nearly two rows", 300, 13, 2},
        {"families: half way", 300, 92, 146},
        {"families: at the end", 300, 172, 292},
        {"families: far below", 300, 1000, 292},
    };
    for (const DragCase& c : cases) {
        const ListScrollBar b = ListScrollBarFor(FamilyColumn(96), c.count, 8, 0, 16);
        EXPECT_EQ(ListScrollTopForThumb(b, c.count, 8, c.thumbTop), c.expected) << c.why;
    }
}

TEST(ListScrollGeometryTest, ThumbAndTopRowMapOntoEachOther) {
    // Dragging the thumb to where a top row puts it gives that row back
    // while there are fewer rows than pixels of travel; with more rows, the
    // thumb at any pixel comes back to that pixel.
    for (int dpi : {96, 144, 192}) {
        for (int count : {9, 13, 40, 100, 168, 169, 300, 1000}) {
            SCOPED_TRACE(testing::Message() << dpi << " DPI, " << count << " items");
            const TRect area = FamilyColumn(dpi);
            const int maxTop = ListScrollMaxTop(count, 8);
            const ListScrollBar first = ListScrollBarFor(area, count, 8, 0, MinThumb(dpi));
            const int travel = first.track.Height() - first.thumb.Height();
            if (maxTop <= travel) {
                for (int top = 0; top <= maxTop; ++top) {
                    const ListScrollBar b = ListScrollBarFor(area, count, 8, top, MinThumb(dpi));
                    ASSERT_EQ(ListScrollTopForThumb(b, count, 8, b.thumb.Top), top);
                }
            } else {
                for (int y = first.track.Top; y <= first.track.Top + travel; ++y) {
                    const int top = ListScrollTopForThumb(first, count, 8, y);
                    ASSERT_EQ(ListScrollBarFor(area, count, 8, top, MinThumb(dpi)).thumb.Top, y);
                }
            }
        }
    }
}

}  // namespace
}  // namespace lg
