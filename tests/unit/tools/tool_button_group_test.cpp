// The palette's tool buttons: a radio group that can be emptied, and the
// table the palette is built from.
#include <gtest/gtest.h>

#include "tools/palette_layout.h"
#include "tools/tool_button_group.h"

namespace lg {
namespace {

struct GroupFixture {
    TImageButton arrow, pen, text;
    ToolButtonGroup group;
    GroupFixture() {
        group.Add(arrow, ctArrow);
        group.Add(pen, ctPen);
        group.Add(text, ctTextExit);
    }
};

TEST(ToolButtonGroupTest, AtMostOneDownAndTheDownOneEmptiesTheGroup) {
    GroupFixture f;
    auto r = f.group.Click(f.arrow);
    EXPECT_EQ(r.tool, ctArrow);
    EXPECT_EQ(f.group.DownButton(), &f.arrow);

    r = f.group.Click(f.pen);
    EXPECT_EQ(r.tool, ctPen);
    EXPECT_FALSE(f.arrow.Down());
    EXPECT_TRUE(f.pen.Down());

    r = f.group.Click(f.pen);  // the active tool again: no tool at all
    EXPECT_EQ(r.tool, ctNone);
    EXPECT_EQ(f.group.DownButton(), nullptr);
    EXPECT_FALSE(r.showFontPicker);
}

TEST(ToolButtonGroupTest, TextToolAsksForTheFontPickerAndTheFocus) {
    GroupFixture f;
    f.group.Click(f.arrow);
    const auto r = f.group.Click(f.text);
    EXPECT_EQ(r.tool, ctTextExit);
    EXPECT_TRUE(r.showFontPicker);
    EXPECT_TRUE(r.focusCaptureWindow);
    EXPECT_FALSE(f.group.Click(f.pen).showFontPicker);
}

TEST(PaletteLayoutTest, ControlsTileTheStripWithoutGapsOrOverlap) {
    int left = 0;
    int toolButtons = 0;
    for (const PaletteItem& item : kPaletteItems) {
        EXPECT_EQ(item.left, left) << static_cast<int>(item.id);
        left += item.width;
        if (item.kind == PaletteKind::Tool) {
            ++toolButtons;
            EXPECT_NE(item.tool, ctNone);
            EXPECT_NE(item.tool, ctFillRect);  // no control selects the opaque fill
        }
        EXPECT_EQ(item.hint.empty(), item.kind == PaletteKind::Separator);
    }
    EXPECT_LE(left, kPaletteWidth);
    EXPECT_EQ(toolButtons, 9);
}

}  // namespace
}  // namespace lg
