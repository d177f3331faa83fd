// The label: where its text breaks into lines and where the lines land.
// The fake rasterizer makes every character an 8 x 16 box (16-pixel
// height), so widths count characters.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/control_host.h"
#include "controls/label.h"
#include "raster/fake_text_rasterizer.h"

namespace lg {
namespace {

constexpr int kCell = 8;  // advance of every character at a 16-pixel height

class LabelTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetDefaultTextRasterizer(&text_);
        canvas_.Font().PixelHeight = 2 * kCell;
    }
    void TearDown() override { SetDefaultTextRasterizer(nullptr); }

    testing::FakeTextRasterizer text_;
    TBitmap32 canvas_;  // measures only
};

struct WrapCase {
    const char* why;
    std::u16string text;
    int widthInCells;
    std::vector<std::u16string> lines;
};

TEST_F(LabelTest, WrapsBetweenWordsAndAtLineBreaks) {
    const WrapCase cases[] = {
        {"the word that overflows starts the next line", u"aaa bbb ccc", 10, {u"aaa bbb", u"ccc"}},
        {"a line exactly as wide as the label stays whole", u"aaa bbbbbb", 10, {u"aaa bbbbbb"}},
        {"CR LF, LF and CR each end a line", u"ab\r\ncd\nef\rgh", 10, {u"ab", u"cd", u"ef", u"gh"}},
        {"an empty line between breaks is kept", u"ab\r\n\r\ncd", 10, {u"ab", u"", u"cd"}},
        {"the spaces at a break vanish", u"aaaa      bbbb", 10, {u"aaaa", u"bbbb"}},
        {"spaces between words that fit stay as typed", u"a  b", 10, {u"a  b"}},
        {"spaces opening the text stay", u"  ab", 10, {u"  ab"}},
        {"spaces closing the text add no line", u"ab   ", 2, {u"ab"}},
        {"a word wider than the label is broken, nothing cut off",
         u"abcdefghijklmnopqrstuvwxyz",
         10,
         {u"abcdefghij", u"klmnopqrst", u"uvwxyz"}},
        {"a too-wide word after a short one starts its own line",
         u"ab abcdefghijkl cd",
         10,
         {u"ab", u"abcdefghij", u"kl cd"}},
        {"a character pair is never split, even when it overflows",
         u"\U0001F600\U0001F600\U0001F600",
         1,
         {u"\U0001F600", u"\U0001F600", u"\U0001F600"}},
        {"no width: only the line breaks count", u"aaa bbb ccc\nddd", 0, {u"aaa bbb ccc", u"ddd"}},
        {"empty text is one empty line", u"", 10, {u""}},
        {"each line of a two-line message wraps on its own",
         u"Скриншот скопирован в буфер обмена.\r\nНажмите Ctrl+V, чтобы вставить.",
         20,
         {u"Скриншот скопирован", u"в буфер обмена.", u"Нажмите Ctrl+V,", u"чтобы вставить."}},
    };
    for (const WrapCase& c : cases) {
        EXPECT_EQ(WrapTextLines(canvas_, c.text, c.widthInCells * kCell), c.lines) << c.why;
    }
}

TEST_F(LabelTest, ElidesInTheMiddleToOneLine) {
    const WrapCase cases[] = {
        {"what fits stays whole", u"https://i.example/1", 20, {u"https://i.example/1"}},
        {"start and end kept, the end one longer",
         u"https://img.example/s/abcdef.png",
         20,
         {u"https://i\u2026abcdef.png"}},
        {"line breaks read as spaces", u"ab\r\ncd", 10, {u"ab  cd"}},
        {"a character pair is never cut",
         u"ab\U0001F600cd\U0001F600ef",
         7,
         {u"ab\u2026\U0001F600ef"}},
        {"no room at all: the ellipsis alone", u"abcdef", 0, {u"\u2026"}},
    };
    for (const WrapCase& c : cases) {
        EXPECT_EQ(ElideMiddle(canvas_, c.text, c.widthInCells * kCell), c.lines.front()) << c.why;
    }
    TLabel label;
    label.Font.PixelHeight = 2 * kCell;
    label.SetBounds(0, 0, 5 * kCell, 100);
    label.SetWordWrap(true);
    label.SetCaption(u"aa bb cc");
    label.SetElideInMiddle(true);
    EXPECT_EQ(label.Lines(), std::vector<std::u16string>{u"aa\u2026cc"}) << "one line, not wrapped";
}

TEST_F(LabelTest, LinesFollowTheLabelsWidthFontAndWrapSwitch) {
    TLabel label;
    label.Font.PixelHeight = 2 * kCell;
    label.SetBounds(0, 0, 5 * kCell, 100);
    label.SetCaption(u"aa bb cc");
    EXPECT_EQ(label.Lines(), std::vector<std::u16string>{u"aa bb cc"}) << "wrap is off by default";
    label.SetWordWrap(true);
    EXPECT_EQ(label.Lines(), (std::vector<std::u16string>{u"aa bb", u"cc"}));
    label.Font.PixelHeight = kCell;  // half the advance: everything fits
    EXPECT_EQ(label.Lines(), std::vector<std::u16string>{u"aa bb cc"});
}

TEST_F(LabelTest, PaintsLineUnderLineInsideItsBounds) {
    constexpr TColor32 kSurface = 0xFF091A32u, kWhite = 0xFFFFFFFFu;
    ControlHost host;
    TLabel label;
    label.Font.PixelHeight = 2 * kCell;
    label.Font.Color = kWhite;
    label.SetWordWrap(true);
    // Three lines of 16 pixels in a label 40 high: the third is cut at
    // the label's bottom edge.
    label.SetBounds(4, 6, 5 * kCell, 40);
    label.SetCaption(u"aa bb\ncc\nddddd");
    host.Add(label);
    TBitmap32 surface(60, 60);
    surface.Clear(kSurface);
    host.Paint(surface, surface.BoundsRect());

    auto white = [&](int x, int y) { return (surface.PixelS(x, y) & 0xFFFFFFu) == 0xFFFFFFu; };
    EXPECT_TRUE(white(4, 6)) << "first line at the label's top-left";
    EXPECT_FALSE(white(3, 6));
    EXPECT_FALSE(white(4, 5));
    EXPECT_FALSE(white(4 + 2 * kCell, 6)) << "the space between the words";
    EXPECT_TRUE(white(4 + 3 * kCell, 6));
    EXPECT_TRUE(white(4, 6 + 16)) << "second line one line height lower";
    EXPECT_FALSE(white(4 + 2 * kCell, 6 + 16));
    EXPECT_TRUE(white(4 + 4 * kCell, 6 + 32)) << "third line starts inside";
    EXPECT_TRUE(white(4, 6 + 39));
    EXPECT_FALSE(white(4, 6 + 40)) << "nothing below the label";
}

}  // namespace
}  // namespace lg
