#include "raster/render_text.h"

#include <gtest/gtest.h>

#include "raster/fake_text_rasterizer.h"
#include "raster/raster_test_util.h"
#include "raster/text_rasterizer.h"

namespace lg {
namespace {

using testing::FakeTextRasterizer;

constexpr TColor32 kBlack = 0xFF000000u;

TEST(RenderText, GlyphSmoothingBecomesAlpha) {
    FakeTextRasterizer fake;
    TBitmap32 b(60, 40);
    b.SetTextRasterizer(&fake);
    b.Font().Size = 12;  // the fake: 16 px high, 8 px per character
    b.Clear(kBlack);
    b.RenderText(5, 6, u"AB", 0, 0x80FF8000u);
    // Measured with a trailing space; only the two boxes are drawn, white.
    ASSERT_FALSE(fake.measured.empty());
    EXPECT_EQ(fake.measured.back().Size, 12);
    ASSERT_EQ(fake.drawn.size(), 1u);
    EXPECT_EQ(fake.drawn[0].Color, 0xFFFFFFFFu);
    EXPECT_EQ(testing::ChangedBox(b, kBlack), Rect(5, 6, 21, 22));
    // Glyph pixels become $FFFF8000 (blue byte 255 as alpha), drawn with
    // master alpha $80: W = 128, red 255 -> 128, green 128 -> 64.
    EXPECT_EQ(b.PixelS(5, 6), 0xFF804000u);
    EXPECT_EQ(b.PixelS(20, 21), 0xFF804000u);
}

TEST(RenderText, UsesTheDestinationsCombineMode) {
    FakeTextRasterizer fake;
    TBitmap32 b(30, 20);
    b.SetTextRasterizer(&fake);
    b.SetCombineMode(cmMerge);
    b.Clear(0x00FFFFFFu);
    b.RenderText(0, 0, u"x", 0, 0x80102030u);
    // Merged onto alpha 0 the colour arrives as it is, alpha scaled by $80.
    EXPECT_EQ(b.PixelS(0, 0), 0x80102030u);
}

TEST(RenderText, NeedsARasterizer) {
    TBitmap32 b(10, 10);
    b.RenderText(0, 0, u"x", 0, 0xFFFFFFFFu);
    RenderTextInRect(b, Rect(0, 0, 10, 10), u"x", 0xFFFFFFFFu, 2, false);
    EXPECT_EQ(testing::CountChanged(b, 0), 0);
    EXPECT_EQ(b.TextExtent(u"x"), (TSize{0, 0}));

    FakeTextRasterizer fake;
    SetDefaultTextRasterizer(&fake);
    EXPECT_EQ(b.TextWidth(u"xy"), 2 * FakeTextRasterizer::Advance(b.Font()));
    b.Textout(0, 0, u"x");
    SetDefaultTextRasterizer(nullptr);
    EXPECT_EQ(fake.drawn.size(), 1u) << "a bitmap without its own uses the default";
}

struct PlaceCase {
    const char* why;
    const char16_t* text;
    int size, quality;
    bool leftAlign;
    int x, y;          // where the text's top-left pixel lands, worked out by hand
    int measuredSize;  // the enlarged font size that was measured
};

// The fake draws each character as a box filling its cell, so the small
// bitmap's pixel (0, 0) is fully inked and marks where it was placed.
// R = (30, 30, 70, 70): 40 x 40, as the stamp's number box.
TEST(RenderTextInRect, Placement) {
    const PlaceCase cases[] = {
        // 92 pt: 122 px high, 61 wide -> big 64 x 124, small 16 x 31;
        // X = 30 + (40 - 16) div 2, Y = 30 + (40 - 31) div 2.
        {"one digit, centred", u"1", 23, 2, false, 42, 34, 92},
        // Five digits: 305 wide -> big 308, small 77; X = 30 + (-37) div 2
        // = 30 - 18 (towards zero): it overflows both sides.
        {"wider than the box", u"12345", 23, 2, false, 12, 34, 92},
        {"wider than the box, left-aligned", u"12345", 23, 2, true, 30, 34, 92},
        // 240 pt: 320 x 160 -> small 41 x 81; X = 30 + (-1) div 2 = 30,
        // Y = 30 + (-41) div 2 = 10.
        {"taller and wider than the box", u"1", 60, 2, false, 30, 10, 240},
        // Quality above 4 counts as 4: 368 pt, 490 x 245 -> small 16 x 31.
        {"quality 9 counts as 4", u"1", 23, 9, false, 42, 34, 368},
        // Negative quality counts as 0: 30 x 15 -> small 16 x 31.
        {"quality -1 counts as 0", u"1", 23, -1, false, 42, 34, 23},
    };
    for (const PlaceCase& c : cases) {
        FakeTextRasterizer fake;
        TBitmap32 b(100, 100);
        b.SetTextRasterizer(&fake);
        b.Font().Size = c.size;
        b.Clear(kBlack);
        RenderTextInRect(b, Rect(30, 30, 70, 70), c.text, 0xFFFFFFFFu, c.quality, c.leftAlign);
        ASSERT_FALSE(fake.measured.empty()) << c.why;
        EXPECT_EQ(fake.measured.back().Size, c.measuredSize) << c.why;
        EXPECT_EQ(b.Font().Size, c.size) << c.why << ": the bitmap's font is left alone";
        const auto box = testing::ChangedBox(b, kBlack);
        ASSERT_TRUE(box.has_value()) << c.why;
        EXPECT_EQ(box->Left, c.x) << c.why;
        EXPECT_EQ(box->Top, c.y) << c.why;
        EXPECT_EQ(b.PixelS(c.x, c.y), 0xFFFFFFFFu) << c.why;
    }
}

TEST(RenderTextInRect, AveragesBlocksAndAppliesOpacity) {
    FakeTextRasterizer fake;
    TBitmap32 b(100, 100);
    b.SetTextRasterizer(&fake);
    b.Font().Size = 23;
    b.Clear(kBlack);
    // Placed at (42, 34) as above; ink 61 x 122 big pixels in 4 x 4 blocks.
    RenderTextInRect(b, Rect(30, 30, 70, 70), u"1", 0x80FF0000u, 2, false);
    // A full block: red with alpha 255 at master alpha $80: W = 128.
    EXPECT_EQ(b.PixelS(43, 35), 0xFF800000u);
    // The last column covers big columns 60..63, inked only at 60: coverage
    // 4 * 255 >> 4 = 63, then W = round(63 * 128 / 255) = 32: red
    // (255 * 32 + 128) div 256 = 32, alpha (256 * 255 - 192 * 32 + 128) div 256 = 231.
    EXPECT_EQ(b.PixelS(57, 40), 0xE7200000u);
    EXPECT_EQ(b.PixelS(58, 40), kBlack);
}

}  // namespace
}  // namespace lg
