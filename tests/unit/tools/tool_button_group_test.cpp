// The palette's tool buttons: a radio group that can be emptied, and the
// table the palette is built from.
#include <gtest/gtest.h>

#include "dpi/display_scale.h"
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

TEST(PaletteLayoutTest, EveryToolButtonSelectsATool) {
    int toolButtons = 0;
    for (const PaletteItem& item : kPaletteItems) {
        if (item.kind == PaletteKind::Tool) {
            ++toolButtons;
            EXPECT_NE(item.tool, ctNone);
            EXPECT_NE(item.tool, ctFillRect);  // no control selects the opaque fill
        }
        EXPECT_EQ(item.hint.empty(), item.kind == PaletteKind::Separator);
    }
    EXPECT_EQ(toolButtons, 9);
}

TEST(PaletteLayoutTest, ScaledControlsTileTheScaledStrip) {
    // At every scale the controls meet edge to edge and stay inside the
    // strip; at 96 DPI they are where the form puts them.
    struct Case {
        int dpi;
        int colorLeft, colorWidth, width, height;
    } cases[] = {
        {96, 390, 48, 532, 38},
        {144, 585, 72, 798, 57},
        {192, 780, 96, 1064, 76},
    };
    for (const Case& c : cases) {
        const DisplayScale scale(c.dpi);
        int left = 0;
        for (const PaletteItem& item : kPaletteItems) {
            const TRect r = scale.Rect(PaletteItemBounds(item.id));
            EXPECT_EQ(r.Left, left) << c.dpi << " DPI, control " << static_cast<int>(item.id);
            EXPECT_EQ(r.Height(), c.height);
            left = r.Right;
        }
        const TRect color = scale.Rect(PaletteItemBounds(PaletteControl::btColor));
        EXPECT_EQ(color.Left, c.colorLeft) << c.dpi;
        EXPECT_EQ(color.Width(), c.colorWidth) << c.dpi;
        EXPECT_EQ(scale.Px(kPaletteWidth), c.width) << c.dpi;
        EXPECT_LE(left, c.width) << c.dpi;
    }
}

}  // namespace
}  // namespace lg
