// The owner-drawn combo box: the face's layout and look at two scales, the
// drop-down list's geometry and hit test, what a click does, and which
// changes of the chosen item notify. The fake rasterizer makes every
// character a box half as wide as its pixel height.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "controls/control_host.h"
#include "controls/vey_combo_box.h"
#include "raster/fake_text_rasterizer.h"

namespace lg {
namespace {

constexpr TColor32 kBorder = Color32(39, 75, 126);
constexpr TColor32 kFill = Color32(56, 75, 102);
constexpr TColor32 kWhite = Color32(255, 255, 255);
constexpr TColor32 kSurface = Color32(1, 2, 3);

std::vector<std::u16string> Sizes8To20() {
    std::vector<std::u16string> items;
    for (int i = 8; i <= 20; ++i) {
        const std::string s = std::to_string(i);
        items.emplace_back(s.begin(), s.end());
    }
    return items;
}

TBitmap32 Solid(int w, int h, TColor32 c) {
    TBitmap32 b(w, h);
    b.Clear(c);
    return b;
}

bool Rgb(TColor32 a, TColor32 b) {
    return (a & 0xFFFFFFu) == (b & 0xFFFFFFu);
}

class VEYComboBoxTest : public ::testing::Test {
protected:
    void SetUp() override { SetDefaultTextRasterizer(&text_); }
    void TearDown() override { SetDefaultTextRasterizer(nullptr); }

    // The font size box of the font picker at `dpi`, with "8" to "20".
    void MakeSizeBox(TVEYComboBox& box, int dpi) {
        const DisplayScale scale(dpi);
        box.SetScale(scale);
        box.SetBounds(0, 0, scale.Px(51), scale.Px(31));
        box.SetBorderWidth(0);
        box.SetBorderColor(kBorder);
        box.SetFillColor(kFill);
        TFontDesc font;
        font.Family = u"Roboto";
        font.PixelHeight = 13;
        font.Color = kWhite;
        box.SetFont(font);
        box.SetItems(Sizes8To20());
        box.SetItemIndex(2);
        box.OnClick = [this](TGraphicControl&) { ++clicks_; };
    }

    testing::FakeTextRasterizer text_;
    int clicks_ = 0;
};

struct LayoutCase {
    const char* why;
    int dpi, width96, height96, border;
    VEYComboLayout expected;
};

TEST_F(VEYComboBoxTest, FacePartsFollowSizeBorderAndScale) {
    const LayoutCase cases[] = {
        {"font size box: square button at the right end, no border",
         96,
         51,
         31,
         0,
         {{20, 0, 51, 31}, {5, 1, 25, 30}, 25, 31}},
        {"image format box: button inside a 1-pixel border, list a border lower",
         96,
         185,
         33,
         1,
         {{153, 1, 184, 32}, {5, 1, 158, 32}, 27, 34}},
        {"the default 2-pixel border",
         96,
         185,
         41,
         2,
         {{146, 2, 183, 39}, {5, 1, 151, 40}, 35, 43}},
        {"font size box at 192 DPI: every length doubles",
         192,
         51,
         31,
         0,
         {{40, 0, 102, 62}, {10, 2, 50, 60}, 50, 62}},
        {"image format box at 192 DPI: the border doubles too",
         192,
         185,
         33,
         1,
         {{306, 2, 368, 64}, {10, 2, 316, 64}, 54, 68}},
    };
    for (const LayoutCase& c : cases) {
        const DisplayScale scale(c.dpi);
        TVEYComboBox box(scale);
        box.SetBorderWidth(c.border);
        box.SetBounds(0, 0, scale.Px(c.width96), scale.Px(c.height96));
        EXPECT_EQ(box.Layout(), c.expected) << c.why;
    }
}

TEST_F(VEYComboBoxTest, BorderWidthMovesNothingUntilResized) {
    TVEYComboBox box;
    box.SetBounds(0, 0, 185, 33);
    const VEYComboLayout before = box.Layout();
    box.SetBorderWidth(5);
    EXPECT_EQ(box.Layout(), before);
    box.SetBounds(0, 0, 185, 34);
    EXPECT_EQ(box.Layout().button, (TRect{185 - 34 + 5, 5, 185 - 5, 34 - 5}));
}

struct ListCase {
    const char* why;
    int dpi, items, dropDownCount;
    TRect bounds;
    int rows;
    TRect scrollBar;  // the column beside the rows
};

TEST_F(VEYComboBoxTest, ListDropsBelowAtTwiceTheWidth) {
    const ListCase cases[] = {
        {"13 sizes show 8 rows of 25 in a 1-pixel frame, a 12-pixel bar beside them",
         96,
         13,
         8,
         {0, 31, 102, 31 + 202},
         8,
         {89, 1, 101, 201}},
        {"fewer items than rows: as many rows as items, no bar",
         96,
         3,
         8,
         {0, 31, 102, 31 + 77},
         3,
         {}},
        {"as many items as rows: no bar", 96, 8, 8, {0, 31, 102, 31 + 202}, 8, {}},
        {"no items: only the frame", 96, 0, 8, {0, 31, 102, 33}, 0, {}},
        {"a drop-down count of 0 shows no rows and no bar", 96, 13, 0, {0, 31, 102, 33}, 0, {}},
        {"150 %: rows of 38, an 18-pixel bar in a 2-pixel frame",
         144,
         13,
         8,
         {0, 47, 154, 47 + 308},
         8,
         {134, 2, 152, 306}},
        {"200 %: rows of 50, a 24-pixel bar in a 2-pixel frame",
         192,
         13,
         8,
         {0, 62, 204, 62 + 404},
         8,
         {178, 2, 202, 402}},
    };
    for (const ListCase& c : cases) {
        TVEYComboBox box;
        MakeSizeBox(box, c.dpi);
        std::vector<std::u16string> items = Sizes8To20();
        items.resize(c.items);
        box.SetItems(items);
        box.DropDownCount = c.dropDownCount;
        const ComboListGeometry g = box.ListGeometry();
        EXPECT_EQ(g.bounds, c.bounds) << c.why;
        EXPECT_EQ(g.rows, c.rows) << c.why;
        EXPECT_EQ(g.scrollBar, c.scrollBar) << c.why;
        EXPECT_EQ(box.ScrollBar().bar, c.scrollBar) << c.why;
        if (c.rows > 0) {
            EXPECT_EQ(g.RowRect(0).Right, g.bounds.Width() - g.frame - c.scrollBar.Width())
                << c.why << ": the rows end where the bar begins";
        }
    }
}

struct HitCase {
    const char* why;
    int topIndex, x, y, expected;
};

TEST(ComboListTest, ItemUnderAPoint) {
    // 13 items, 8 rows of 25 in a 1-pixel frame, 102 wide.
    const ComboListGeometry g = ComboListGeometryFor(51, 31, 25, 1, 13, 8);
    const HitCase cases[] = {
        {"first pixel of the first row", 0, 1, 1, 0},
        {"last pixel of the first row", 0, 100, 25, 0},
        {"first pixel of the second row", 0, 1, 26, 1},
        {"last row", 0, 50, 200, 7},
        {"the frame on the left", 0, 0, 10, -1},
        {"the frame on the right", 0, 101, 10, -1},
        {"the frame at the top", 0, 50, 0, -1},
        {"the frame at the bottom", 0, 50, 201, -1},
        {"above the list", 0, 50, -5, -1},
        {"scrolled: the first row shows the sixth item", 5, 50, 1, 5},
        {"scrolled to the end: the last row is the last item", 5, 50, 200, 12},
    };
    for (const HitCase& c : cases) {
        EXPECT_EQ(ComboListItemAt(g, c.topIndex, 13, c.x, c.y), c.expected) << c.why;
    }
    const ComboListGeometry few = ComboListGeometryFor(51, 31, 25, 1, 2, 8);
    EXPECT_EQ(ComboListItemAt(few, 0, 2, 50, 60), -1) << "below the last of two items";

    // With a 12-pixel bar the rows end at 89.
    const ComboListGeometry barred = ComboListGeometryFor(51, 31, 25, 1, 13, 8, 12);
    EXPECT_EQ(ComboListItemAt(barred, 0, 13, 88, 10), 0) << "the row's last pixel";
    EXPECT_EQ(ComboListItemAt(barred, 0, 13, 89, 10), -1) << "the bar picks nothing";
    EXPECT_EQ(ComboListItemAt(barred, 0, 13, 100, 190), -1) << "nor its down arrow";
}

struct ClickCase {
    const char* why;
    bool dropped;
    ComboClickPlace place;
    int itemUnder, items;
    ComboClickDecision expected;
};

TEST(ComboListTest, WhatAClickDoes) {
    using enum ComboClickAction;
    using P = ComboClickPlace;
    const ClickCase cases[] = {
        {"the face opens a closed list", false, P::Face, -1, 3, {Open, -1}},
        {"nothing to list: the face stays closed", false, P::Face, -1, 0, {None, -1}},
        {"elsewhere with the list closed: nothing", false, P::Outside, -1, 3, {None, -1}},
        {"the face closes an open list", true, P::Face, -1, 3, {Close, -1}},
        {"outside closes an open list", true, P::Outside, -1, 3, {Close, -1}},
        {"an item of the open list is picked", true, P::List, 2, 3, {Pick, 2}},
        {"the list's frame does nothing", true, P::List, -1, 3, {None, -1}},
        {"an item beyond the list is never picked", true, P::List, 3, 3, {None, -1}},
    };
    for (const ClickCase& c : cases) {
        EXPECT_EQ(DecideComboClick(c.dropped, c.place, c.itemUnder, c.items), c.expected) << c.why;
    }
}

TEST_F(VEYComboBoxTest, SettingTheIndexIsSilentAPickNotifies) {
    TVEYComboBox box;
    MakeSizeBox(box, 96);
    EXPECT_EQ(box.LabelText(), u"10");
    box.SetItemIndex(5);
    EXPECT_EQ(box.LabelText(), u"13");
    EXPECT_EQ(clicks_, 0) << "a program's change fires nothing";

    // The user opens the list and picks the fourth row.
    EXPECT_EQ(box.HandleClick(ComboClickPlace::Face).action, ComboClickAction::Open);
    EXPECT_TRUE(box.DroppedDown());
    const ComboListGeometry g = box.ListGeometry();
    const TRect row = g.RowRect(3);
    box.ListMouseMove(row.Left + 3, row.Top + 3);
    EXPECT_EQ(box.HighlightedIndex(), 3);
    const ComboClickDecision d = box.HandleClick(ComboClickPlace::List, row.Left + 3, row.Top + 3);
    EXPECT_EQ(d, (ComboClickDecision{ComboClickAction::Pick, 3}));
    EXPECT_EQ(clicks_, 1);
    EXPECT_EQ(box.ItemIndex(), 3);
    EXPECT_EQ(box.LabelText(), u"11");
    EXPECT_FALSE(box.DroppedDown()) << "a pick closes the list";

    // Dismissing the list changes nothing and fires nothing.
    box.HandleClick(ComboClickPlace::Face);
    box.HandleClick(ComboClickPlace::Outside);
    EXPECT_FALSE(box.DroppedDown());
    EXPECT_EQ(box.ItemIndex(), 3);
    EXPECT_EQ(clicks_, 1);
}

TEST_F(VEYComboBoxTest, AnIndexOutsideTheItemsChoosesNone) {
    TVEYComboBox box;
    MakeSizeBox(box, 96);
    for (int bad : {13, 100, -2, -1000}) {
        box.SetItemIndex(4);
        box.SetItemIndex(bad);
        EXPECT_EQ(box.ItemIndex(), -1) << bad;
        EXPECT_EQ(box.LabelText(), u"") << bad;
    }
    box.SetItemIndex(12);
    EXPECT_EQ(box.LabelText(), u"20") << "the last item is inside";
    box.Pick(13);
    box.Pick(-1);
    EXPECT_EQ(box.ItemIndex(), 12) << "a pick outside the items does nothing";
    EXPECT_EQ(clicks_, 0);
}

TEST_F(VEYComboBoxTest, WithoutItemsTheListNeverOpens) {
    TVEYComboBox box;
    EXPECT_EQ(box.ItemIndex(), -1);
    EXPECT_EQ(box.LabelText(), u"") << "the font name box is empty until chosen";
    box.SetItemIndex(0);
    EXPECT_EQ(box.ItemIndex(), -1);
    EXPECT_EQ(box.HandleClick(ComboClickPlace::Face).action, ComboClickAction::None);
    box.SetDroppedDown(true);
    EXPECT_FALSE(box.DroppedDown());

    // A new list takes the chosen item away, and closes an open list that
    // would be empty.
    MakeSizeBox(box, 96);
    box.SetDroppedDown(true);
    box.SetItems({});
    EXPECT_FALSE(box.DroppedDown());
    EXPECT_EQ(box.ItemIndex(), -1);
    EXPECT_EQ(box.LabelText(), u"");
    box.SetItems({u"PNG", u"JPG"});
    EXPECT_EQ(box.ItemIndex(), -1);
}

TEST_F(VEYComboBoxTest, OpeningShowsTheChosenItem) {
    TVEYComboBox box;
    MakeSizeBox(box, 96);
    box.SetItemIndex(12);
    box.SetDroppedDown(true);
    EXPECT_EQ(box.TopIndex(), 5) << "the last item in the last of 8 rows";
    EXPECT_EQ(box.HighlightedIndex(), 12);
    box.ScrollList(100);
    EXPECT_EQ(box.TopIndex(), 5) << "never past the last full page";
    box.ScrollList(-100);
    EXPECT_EQ(box.TopIndex(), 0);
    const TRect below = box.ListGeometry().RowRect(8);
    box.ListMouseMove(below.Left + 1, below.Top + 1);
    EXPECT_EQ(box.HighlightedIndex(), 12) << "off the rows the highlight stays";
}

TEST_F(VEYComboBoxTest, KeysMoveTheHighlightInViewAndEnterPicks) {
    TVEYComboBox box;
    MakeSizeBox(box, 96);
    box.SetItemIndex(-1);
    box.MoveHighlight(1);
    EXPECT_EQ(box.HighlightedIndex(), -1) << "a closed list takes no keys";
    box.SetDroppedDown(true);
    box.MoveHighlight(1);
    EXPECT_EQ(box.HighlightedIndex(), 0) << "from no item, the first";
    box.MoveHighlight(8);
    EXPECT_EQ(box.HighlightedIndex(), 8);
    EXPECT_EQ(box.TopIndex(), 1) << "scrolled one row to show it";
    box.MoveHighlight(100);
    EXPECT_EQ(box.HighlightedIndex(), 12);
    box.MoveHighlight(-100);
    EXPECT_EQ(box.HighlightedIndex(), 0);
    EXPECT_EQ(box.TopIndex(), 0);
    box.MoveHighlight(3);
    box.PickHighlighted();
    EXPECT_EQ(box.LabelText(), u"11");
    EXPECT_FALSE(box.DroppedDown());
    EXPECT_EQ(clicks_, 1);
}

TEST_F(VEYComboBoxTest, AClickOnTheFaceOpensAndFiresNothing) {
    ControlHost host;
    TVEYComboBox box;
    MakeSizeBox(box, 96);
    host.Add(box);
    int opened = 0;
    box.OnDropDown = [&](TVEYComboBox&) { ++opened; };
    // On the label.
    host.MouseDown(mbLeft, ssLeft, 10, 15);
    host.MouseUp(mbLeft, 0, 10, 15);
    EXPECT_TRUE(box.DroppedDown());
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(clicks_, 0);
    box.SetDroppedDown(false);
    // On the button.
    host.MouseMove(0, 40, 15);
    EXPECT_TRUE(box.DropButton().Moving());
    host.MouseDown(mbLeft, ssLeft, 40, 15);
    EXPECT_TRUE(box.DropButton().Downing());
    host.MouseUp(mbLeft, 0, 40, 15);
    EXPECT_TRUE(box.DroppedDown());
    EXPECT_EQ(clicks_, 0);
    // A press dragged off the face opens nothing.
    box.SetDroppedDown(false);
    host.MouseDown(mbLeft, ssLeft, 40, 15);
    host.MouseUp(mbLeft, 0, 80, 15);
    EXPECT_FALSE(box.DroppedDown());
}

struct FaceLookCase {
    int dpi;
    int border;      // the line around the face, in pixels
    int textLeft;    // where the label's text starts
    int textHeight;  // the font's pixel height at the scale
};

TEST_F(VEYComboBoxTest, FaceLooksTheSameAtEveryScale) {
    constexpr TColor32 kButtonPicture = Color32(200, 10, 10);
    const FaceLookCase cases[] = {{96, 1, 5, 13}, {144, 2, 8, 20}, {192, 2, 10, 26}};
    for (const FaceLookCase& c : cases) {
        SCOPED_TRACE(c.dpi);
        ControlHost host;
        TVEYComboBox box;
        MakeSizeBox(box, c.dpi);
        const VEYComboLayout l = box.Layout();
        box.SetNormalImage(Solid(l.button.Width() / 2, l.button.Height() / 2, kButtonPicture));
        box.LoadImg();
        host.Add(box);
        TBitmap32 surface(box.Width() + 10, box.Height() + 10);
        surface.Clear(kSurface);
        host.Paint(surface, surface.BoundsRect());

        // The thinnest border line, though the border width is 0.
        const int mid = box.Height() / 2;
        EXPECT_TRUE(Rgb(surface.PixelS(c.border - 1, mid), kBorder));
        EXPECT_TRUE(Rgb(surface.PixelS(c.border, 1 + mid / 2), kFill));
        EXPECT_TRUE(Rgb(surface.PixelS(box.Width() / 2, c.border - 1), kBorder));
        // The bottom line as thick as the top one, under the label too.
        for (int y = box.Height() - c.border; y < box.Height(); ++y) {
            EXPECT_TRUE(Rgb(surface.PixelS(box.Width() / 3, y), kBorder)) << "y " << y;
        }
        EXPECT_TRUE(Rgb(surface.PixelS(box.Width(), mid), kSurface)) << "nothing outside";

        // "10", vertically centred in the label, from its left margin.
        const int textTop = l.label.Top + (l.label.Height() - c.textHeight) / 2;
        EXPECT_TRUE(Rgb(surface.PixelS(c.textLeft, textTop), kWhite));
        EXPECT_TRUE(Rgb(surface.PixelS(c.textLeft, textTop + c.textHeight - 1), kWhite));
        EXPECT_FALSE(Rgb(surface.PixelS(c.textLeft - 1, textTop), kWhite));
        EXPECT_FALSE(Rgb(surface.PixelS(c.textLeft, textTop + c.textHeight), kWhite));

        // The button picture centred in the button.
        const TRect b = l.button;
        EXPECT_TRUE(
            Rgb(surface.PixelS((b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2), kButtonPicture));
        EXPECT_FALSE(Rgb(surface.PixelS(b.Left + 1, b.Top + 1), kButtonPicture));
    }
}

TEST_F(VEYComboBoxTest, RoundedShapeKeepsTheCornersAndHidesAPenOfTheFill) {
    for (int dpi : {96, 144}) {
        SCOPED_TRACE(dpi);
        ControlHost host;
        TVEYComboBox box;
        MakeSizeBox(box, dpi);
        box.SetShape({.Rounded = true, .Radius = 4, .PenColor = kFill, .PenWidth = 0});
        host.Add(box);
        TBitmap32 surface(box.Width(), box.Height());
        surface.Clear(kSurface);
        host.Paint(surface, surface.BoundsRect());

        const int w = box.Width(), h = box.Height();
        for (auto [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}}) {
            EXPECT_TRUE(Rgb(surface.PixelS(x, y), kSurface)) << x << "," << y;
        }
        // No border colour anywhere along the edges: the pen is the fill.
        EXPECT_TRUE(Rgb(surface.PixelS(0, h / 2), kFill));
        EXPECT_TRUE(Rgb(surface.PixelS(w / 4, 0), kFill));
        EXPECT_TRUE(Rgb(surface.PixelS(w / 4, h - 1), kFill));
    }
}

TEST_F(VEYComboBoxTest, ListItemsPaintHighlightInsetTextAndFocus) {
    for (int dpi : {96, 144, 192}) {
        SCOPED_TRACE(dpi);
        const DisplayScale scale(dpi);
        const int dot = scale.Px(1);
        TVEYComboBox box;
        MakeSizeBox(box, dpi);
        box.SetDroppedDown(true);
        const ComboListGeometry g = box.ListGeometry();
        TBitmap32 list(g.bounds.Width(), g.bounds.Height());
        list.Clear(kSurface);
        box.PaintList(list);

        // "10", highlighted on opening, is the keyboard's item: a dotted
        // frame in the text's colour, dots as large as a line is thick.
        const TRect chosen = g.RowRect(2);
        const TRect other = g.RowRect(0);
        const int midY = (chosen.Top + chosen.Bottom) / 2;
        EXPECT_TRUE(Rgb(list.PixelS(chosen.Left, chosen.Top), kWhite));
        EXPECT_TRUE(Rgb(list.PixelS(chosen.Left + dot - 1, chosen.Top + dot - 1), kWhite));
        EXPECT_TRUE(Rgb(list.PixelS(chosen.Left + dot, chosen.Top), kBorder)) << "a gap";
        EXPECT_TRUE(Rgb(list.PixelS(chosen.Left + 2 * dot, chosen.Top), kWhite)) << "a dot";
        EXPECT_TRUE(Rgb(list.PixelS(chosen.Left + dot, chosen.Bottom - 1), kBorder));
        EXPECT_TRUE(Rgb(list.PixelS(chosen.Left + dot, midY), kBorder)) << "inside the frame";
        EXPECT_TRUE(Rgb(list.PixelS(chosen.Right - dot - 1, midY), kBorder));
        // Other rows: the fill, the text inset, no frame.
        EXPECT_TRUE(Rgb(list.PixelS(other.Left, other.Top), kFill));
        EXPECT_TRUE(Rgb(list.PixelS(other.Right - 1, other.Top), kFill));
        const int inset = scale.Px(5);
        const int textTop = other.Top + (other.Height() - scale.Px(13)) / 2;
        EXPECT_TRUE(Rgb(list.PixelS(other.Left + inset, textTop), kWhite));
        EXPECT_FALSE(Rgb(list.PixelS(other.Left + inset - 1, textTop), kWhite));
        EXPECT_FALSE(Rgb(list.PixelS(0, 0), kFill)) << "the frame";

        // The keyboard moves the frame with the highlight.
        box.MoveHighlight(-2);
        box.PaintList(list);
        EXPECT_TRUE(Rgb(list.PixelS(other.Left, other.Top), kWhite));
        EXPECT_TRUE(Rgb(list.PixelS(chosen.Left, chosen.Top), kFill));
    }
}

TEST_F(VEYComboBoxTest, ListShowsItsScrollBarOnlyWhenItemsDoNotFit) {
    for (int dpi : {96, 144, 192}) {
        SCOPED_TRACE(dpi);
        TVEYComboBox box;
        MakeSizeBox(box, dpi);
        box.SetItemIndex(0);
        box.SetDroppedDown(true);
        const ComboListGeometry g = box.ListGeometry();
        const ListScrollBar bar = box.ScrollBar();
        ASSERT_TRUE(bar.Shown());
        TBitmap32 list(g.bounds.Width(), g.bounds.Height());
        box.PaintList(list);
        const TColor32 track = list.PixelS(bar.track.Left + 1, bar.track.Bottom - 2);
        EXPECT_FALSE(Rgb(track, kFill)) << "a channel of its own beside the rows";
        const int midX = (bar.bar.Left + bar.bar.Right) / 2;
        const TColor32 thumb = list.PixelS(midX, (bar.thumb.Top + bar.thumb.Bottom) / 2);
        EXPECT_FALSE(Rgb(thumb, track)) << "the thumb shows on the channel";
        EXPECT_TRUE(Rgb(list.PixelS(bar.thumb.Left, (bar.thumb.Top + bar.thumb.Bottom) / 2), track))
            << "a slim thumb, the channel beside it";
        // At the top the up arrow is faded, the down arrow full.
        const auto brightest = [&](const TRect& r) {
            std::uint32_t most = 0;
            for (int y = r.Top; y < r.Bottom; ++y) {
                for (int x = r.Left; x < r.Right; ++x)
                    most = std::max(most, RedOf(list.PixelS(x, y)));
            }
            return most;
        };
        EXPECT_GT(brightest(bar.downArrow), 200u);
        EXPECT_LT(brightest(bar.upArrow), 150u);
        EXPECT_GT(brightest(bar.upArrow), RedOf(track)) << "faded, not gone";

        // Three items fit: the rows reach the frame, nothing of a bar.
        box.SetItems({u"8", u"9", u"10"});
        box.SetDroppedDown(true);
        const ComboListGeometry few = box.ListGeometry();
        EXPECT_FALSE(box.ScrollBar().Shown());
        TBitmap32 small(few.bounds.Width(), few.bounds.Height());
        box.PaintList(small);
        EXPECT_TRUE(
            Rgb(small.PixelS(few.bounds.Width() - few.frame - 1, few.RowRect(1).Top + 1), kFill));
    }
}

// 40 items, 8 rows: the bar of the size box's list at 100 %.
std::vector<std::u16string> Forty() {
    std::vector<std::u16string> items;
    for (int i = 0; i < 40; ++i) items.push_back(u"item " + std::u16string(1, u'A' + i % 26));
    return items;
}

TEST_F(VEYComboBoxTest, ScrollBarArrowsTrackAndThumbMoveTheRows) {
    TVEYComboBox box;
    MakeSizeBox(box, 96);
    box.SetItems(Forty());
    box.SetItemIndex(0);
    box.SetDroppedDown(true);
    const auto centre = [](const TRect& r) {
        return std::pair{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    };

    // The down arrow steps a row, and again while held over it.
    auto [dx, dy] = centre(box.ScrollBar().downArrow);
    EXPECT_TRUE(box.ListMouseDown(dx, dy));
    EXPECT_EQ(box.TopIndex(), 1);
    EXPECT_TRUE(box.ListScrollRepeat(dx, dy));
    EXPECT_EQ(box.TopIndex(), 2);
    EXPECT_TRUE(box.ListScrollRepeat(dx - 40, dy)) << "still held, the pointer off it";
    EXPECT_EQ(box.TopIndex(), 2) << "off the arrow it waits";
    box.ListMouseUp();
    EXPECT_FALSE(box.ListScrollRepeat(dx, dy)) << "released: nothing repeats";
    EXPECT_EQ(box.TopIndex(), 2);
    EXPECT_EQ(box.HighlightedIndex(), 0) << "scrolling leaves the highlight";

    // The track below the thumb pages, until the thumb comes under the
    // pointer.
    const ListScrollBar bar = box.ScrollBar();
    const int x = (bar.bar.Left + bar.bar.Right) / 2, y = bar.track.Bottom - 2;
    EXPECT_TRUE(box.ListMouseDown(x, y));
    EXPECT_EQ(box.TopIndex(), 10);
    for (int i = 0; i < 10; ++i) box.ListScrollRepeat(x, y);
    EXPECT_EQ(box.TopIndex(), 32) << "the last page, no further";
    box.ListMouseUp();

    // The thumb dragged back to the top, taken by its middle.
    auto [tx, ty] = centre(box.ScrollBar().thumb);
    const int grab = ty - box.ScrollBar().thumb.Top;
    EXPECT_TRUE(box.ListMouseDown(tx, ty));
    EXPECT_EQ(box.ScrollPressed(), ListScrollPart::Thumb);
    EXPECT_EQ(box.TopIndex(), 32) << "taking hold moves nothing";
    EXPECT_TRUE(box.ListMouseMove(tx + 30, ty - 1000)) << "dragged far up, and off the bar";
    EXPECT_EQ(box.TopIndex(), 0);
    EXPECT_EQ(box.HighlightedIndex(), 0) << "a drag over the rows moves no highlight";
    // Track 13..189, thumb 35 long: 141 pixels of travel for 32 rows.
    box.ListMouseMove(tx, box.ScrollBar().track.Top + grab + 70);
    EXPECT_EQ(box.TopIndex(), 16) << "70 of 141 pixels down: row 16 of 32";
    const int middle = box.TopIndex();
    EXPECT_FALSE(box.ListScrollRepeat(tx, ty)) << "a held thumb does not repeat";
    box.ListMouseUp();
    EXPECT_EQ(box.ScrollPressed(), ListScrollPart::None);

    // A press on the rows is not the bar's: the release picks there.
    const TRect row = box.ListGeometry().RowRect(1);
    EXPECT_FALSE(box.ListMouseDown(row.Left + 3, row.Top + 3));
    EXPECT_EQ(box.TopIndex(), middle);

    // Closing lets go of a held part.
    auto [ux, uy] = centre(box.ScrollBar().upArrow);
    box.ListMouseDown(ux, uy);
    box.SetDroppedDown(false);
    EXPECT_EQ(box.ScrollPressed(), ListScrollPart::None);
}

TEST_F(VEYComboBoxTest, TypingALetterHighlightsAndShowsTheItem) {
    TVEYComboBox box;
    MakeSizeBox(box, 96);
    box.SetItems({u"Arial", u"Bookman", u"Cantarell", u"DejaVu", u"Droid", u"Ubuntu", u"Verdana",
                  u"Wingdings", u"Ёлка", u"Шрифт", u"шрифт два", u"Щит"});
    EXPECT_FALSE(box.TypeLetter(U'ш')) << "a closed list takes no letters";
    box.SetDroppedDown(true);
    EXPECT_TRUE(box.TypeLetter(U'ш'));
    EXPECT_EQ(box.HighlightedIndex(), 9);
    EXPECT_EQ(box.TopIndex(), 2) << "scrolled so the ninth row shows it";
    EXPECT_TRUE(box.TypeLetter(U'Ш'));
    EXPECT_EQ(box.HighlightedIndex(), 10) << "the same letter: the next item with it";
    EXPECT_TRUE(box.TypeLetter(U'a'));
    EXPECT_EQ(box.HighlightedIndex(), 0);
    EXPECT_EQ(box.TopIndex(), 0);
    EXPECT_FALSE(box.TypeLetter(U'a')) << "the only a: nothing moves";
    EXPECT_FALSE(box.TypeLetter(U'q'));
    EXPECT_EQ(box.HighlightedIndex(), 0);
    box.PickHighlighted();
    EXPECT_EQ(box.LabelText(), u"Arial");
}

TEST_F(VEYComboBoxTest, PicturesReachTheButtonOnceAtLoadOrFirstItem) {
    TVEYComboBox loaded;
    EXPECT_TRUE(loaded.FirstLoad());
    loaded.LoadImg();
    EXPECT_FALSE(loaded.FirstLoad());

    TVEYComboBox drawn;
    MakeSizeBox(drawn, 96);
    drawn.SetNormalImage(Solid(4, 4, kWhite));
    EXPECT_EQ(drawn.DropButton().NormalImage().Width(), 4) << "the setter hands it straight on";
    TBitmap32 one(40, 20);
    drawn.PaintListItem(one, 0, one.BoundsRect(), {});
    EXPECT_FALSE(drawn.FirstLoad());
    EXPECT_EQ(drawn.DropButton().NormalImage().Width(), 4);
}

}  // namespace
}  // namespace lg
