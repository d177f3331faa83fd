// The text tool's editing: what each key does to the lines and the caret,
// and the box the text needs.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "raster/fake_text_rasterizer.h"
#include "tools/text_edit_model.h"

namespace lg {

// Readable failures for the size rows.
void PrintTo(const TextBlockSize& s, std::ostream* os) {
    *os << "line " << s.lineHeight << ", block " << s.block.cx << "x" << s.block.cy << ", box "
        << s.box.cx << "x" << s.box.cy;
}
void PrintTo(const TextCaret& c, std::ostream* os) {
    *os << "caret x " << c.x << ", y " << c.top << ".." << c.bottom << ", width " << c.width;
}

namespace {

// A navigation key, as the key filter forwards it.
struct Down {
    std::uint16_t vk;
};
// What the clipboard holds from here on.
struct Clip {
    std::u16string text;
};
// Typed characters, one key press per code unit (backspace \b, Enter \r,
// Ctrl+V \x16, Ctrl+Backspace \x7f), a navigation key, or a clipboard.
using Step = std::variant<std::u16string, Down, Clip>;

void Press(TextEditModel& model, const std::vector<Step>& steps) {
    std::u16string clip;
    for (const Step& step : steps) {
        if (const auto* typed = std::get_if<std::u16string>(&step)) {
            for (const char16_t c : *typed) model.KeyPress(c, [&] { return clip; });
        } else if (const auto* down = std::get_if<Down>(&step)) {
            model.KeyDown(down->vk);
        } else {
            clip = std::get<Clip>(step).text;
        }
    }
}

// The lines joined by \n with | where the caret is.
std::u16string Shown(const TextEditModel& model) {
    std::u16string shown;
    for (std::size_t i = 0; i < model.Lines().size(); ++i) {
        std::u16string line = model.Lines()[i];
        if (static_cast<int>(i) == model.CaretPos_LY()) {
            line.insert(static_cast<std::size_t>(model.CaretPos_LX()), 1, u'|');
        }
        shown += (i == 0 ? u"" : u"\n") + line;
    }
    return shown;
}

struct KeyCase {
    const char* name;
    std::vector<Step> steps;
    std::u16string shown;
};

const Down kLeft{kVkLeft}, kRight{kVkRight}, kUp{kVkUp}, kDown{kVkDown}, kHome{kVkHome},
    kEnd{kVkEnd}, kDelete{kVkDelete};

TEST(TextEditModel, KeySequencesGiveLinesAndCaret) {
    const KeyCase cases[] = {
        {"nothing typed: one empty line", {}, u"|"},
        {"Latin letters", {u"ab"}, u"ab|"},
        {"Cyrillic letters, one column each", {u"Привет", kLeft}, u"Приве|т"},
        {"Enter splits the line", {u"ab\rc"}, u"ab\nc|"},
        {"Enter in the middle moves the rest down", {u"abc", kLeft, kLeft, u"\r"}, u"a\n|bc"},
        {"Enter on an empty text", {u"\r"}, u"\n|"},
        {"backspace at a line start joins at the caret", {u"ab\rc", kHome, u"\b"}, u"ab|c"},
        {"delete at a line end joins the next line", {u"ab\rc", kUp, kEnd, kDelete}, u"ab|c"},
        {"backspace at the very start does nothing", {u"a", kHome, u"\b"}, u"|a"},
        {"delete at the very end does nothing", {u"a", kDelete}, u"a|"},
        {"delete inside a line removes the next character", {u"abc", kHome, kDelete}, u"|bc"},
        {"Ctrl+Backspace acts as backspace", {u"ab\x7f"}, u"a|"},
        {"other control characters are ignored", {u"a\t\x01\n\x1b\x1d", u"b"}, u"ab|"},
        {"Up from a long line's end to a shorter line", {u"ab\rcdef", kUp}, u"ab|\ncdef"},
        {"Down to a shorter line", {u"abcd\rx", kUp, kEnd, kDown}, u"abcd\nx|"},
        {"Up on the first line and Down on the last stay", {u"ab", kUp, kLeft, kDown}, u"a|b"},
        {"Left at a line start goes to the line above's end", {u"ab\rc", kHome, kLeft}, u"ab|\nc"},
        {"Left at the text's start stays", {u"ab", kHome, kLeft}, u"|ab"},
        {"Right at a line end goes to the next line's start",
         {u"ab\rc", kUp, kEnd, kRight},
         u"ab\n|c"},
        {"Right at the text's end stays", {u"ab", kRight}, u"ab|"},
        {"Home and End", {u"abc", kHome, kRight, kEnd}, u"abc|"},
        {"End, Right and Delete on an empty text", {kEnd, kRight, kDelete}, u"|"},
        {"unlisted keys change nothing", {u"ab", Down{44}, Down{65}}, u"ab|"},
        {"paste with CR LF joins the lines at the caret",
         {Clip{u"x\r\ny"}, u"ab", kLeft, u"\x16"},
         u"axy|b"},
        {"paste drops bells too", {Clip{u"\ax\a"}, u"\x16"}, u"x|"},
        {"paste of an empty clipboard", {u"a\x16"}, u"a|"},
        {"a typed pair is one character", {u"a😀b"}, u"a😀b|"},
        {"Left and Right step over a pair whole", {u"a😀b", kLeft, kLeft, kLeft, kRight}, u"a|😀b"},
        {"backspace removes a whole pair", {u"a😀\b"}, u"a|"},
        {"delete removes a whole pair", {u"😀b", kHome, kDelete}, u"|b"},
        {"Up into a pair stops before it", {u"😀x\rab", kLeft, kUp}, u"|😀x\nab"},
        {"Down into a pair stops before it", {u"ab\r𝄞", kUp, kHome, kRight, kDown}, u"ab\n|𝄞"},
        {"lone halves typed are dropped", {u"\xDC00", u"a\xD83D", u"b\xD83D\r"}, u"ab\n|"},
        {"lone halves pasted are dropped, pairs kept", {Clip{u"\xDC00x\xD83D😀"}, u"\x16"}, u"x😀|"},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.name);
        TextEditModel model;
        Press(model, c.steps);
        EXPECT_EQ(Shown(model), c.shown);
    }
}

TEST(TextEditModel, PasteInsertsAtMostTheBound) {
    const std::u16string pair = u"😀";
    const auto repeat = [](std::u16string_view unit, int times) {
        std::u16string s;
        for (int i = 0; i < times; ++i) s += unit;
        return s;
    };
    const int n = kMaxPasteChars;
    struct Case {
        const char* name;
        std::u16string clip;
        std::u16string inserted;
        int chars;  // characters inserted, a pair counting once
        bool cut;
    };
    const Case cases[] = {
        {"exactly the bound", repeat(u"a", n), repeat(u"a", n), n, false},
        {"one past the bound", repeat(u"a", n + 1), repeat(u"a", n), n, true},
        {"several megabytes", repeat(u"ab", 2 << 20), repeat(u"ab", n / 2), n, true},
        {"a pair counts as one character", repeat(pair, n), repeat(pair, n), n, false},
        {"a pair is never split at the bound", u"x" + repeat(pair, n), u"x" + repeat(pair, n - 1),
         n, true},
        {"line breaks after the bound are no cut", repeat(u"a", n) + u"\r\n\a", repeat(u"a", n), n,
         false},
        {"line breaks do not count", repeat(u"a\r\n", n), repeat(u"a", n), n, false},
        {"lone halves after the bound are no cut", repeat(u"a", n) + u"\xDC00\xD83D",
         repeat(u"a", n), n, false},
        {"a pair split by a line break is joined", u"\xD83D\r\n\xDE00", pair, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TextEditModel model;
        const TextEditModel::PasteResult result = model.Paste(c.clip);
        EXPECT_EQ(model.Lines(), std::vector<std::u16string>{c.inserted});
        EXPECT_EQ(model.CaretPos_LX(), static_cast<int>(c.inserted.size()));
        EXPECT_EQ(result, (TextEditModel::PasteResult{c.chars, c.cut}));
    }
}

TEST(TextEditModel, IgnoredKeysAreNotTaken) {
    TextEditModel model;
    for (const char16_t key : {u'\0', u'\a', u'\t', u'\n', u'\x1b', u'\x1d'}) {
        SCOPED_TRACE(static_cast<int>(key));
        EXPECT_FALSE(model.KeyPress(key));
    }
    // The first half of a pair waits for the second, which shows both.
    EXPECT_FALSE(model.KeyPress(u'\xD83D'));
    EXPECT_TRUE(model.KeyPress(u'\xDE00'));
    // Keys that change nothing still show the caret.
    EXPECT_TRUE(model.KeyPress(u'\b'));
    EXPECT_TRUE(model.KeyPress(u'\b'));
    EXPECT_TRUE(model.KeyPress(u'\x16'));
    EXPECT_EQ(model.Lines(), std::vector<std::u16string>{u""});
}

TEST(TextEditModel, TextEndsEveryLineWithCrLf) {
    TextEditModel model;
    EXPECT_EQ(model.Text(), u"\r\n");
    Press(model, {u"ab\r\rc"});
    EXPECT_EQ(model.Text(), u"ab\r\n\r\nc\r\n");
}

struct BoxCase {
    const char* name;
    std::u16string typed;
    int dpi;
    TextBlockSize size;
    TextCaret caret;
};

// The fake's glyph cells: 15 points are 20 pixels high and 10 wide at 96
// DPI, 40 by 20 at 192; the margin is 10 and 20 pixels.
TEST(TextEditModel, BoxFitsTheTextWithTheMarginAtTheScale) {
    const BoxCase cases[] = {
        {"empty: one A, caret 2 px in", u"", 96, {20, {10, 20}, {30, 40}}, {2, 2, 18, 3}},
        {"empty at 2.0", u"", 192, {40, {20, 40}, {60, 80}}, {4, 4, 36, 6}},
        {"two lines as wide as the first",
         u"abc\rd",
         96,
         {20, {30, 40}, {50, 60}},
         {10, 22, 38, 3}},
        {"two lines at 2.0", u"abc\rd", 192, {40, {60, 80}, {100, 120}}, {20, 44, 76, 6}},
        {"caret at a line start after Enter",
         u"ab\r",
         96,
         {20, {20, 40}, {40, 60}},
         {2, 22, 38, 3}},
    };
    for (const BoxCase& c : cases) {
        SCOPED_TRACE(c.name);
        TextEditModel model;
        Press(model, {c.typed});
        testing::FakeTextRasterizer text;
        TFontDesc font;
        font.Family = u"Noto Sans";
        font.Size = 15;
        const DisplayScale scale(c.dpi);
        EXPECT_EQ(model.Measure(text, font, scale), c.size);
        EXPECT_EQ(model.Caret(text, font, scale), c.caret);
        for (const TFontDesc& asked : text.measured) EXPECT_EQ(asked.Dpi, c.dpi);
    }
}

}  // namespace
}  // namespace lg
