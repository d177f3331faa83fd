// The text of a key combination: the program's own key names, the
// modifiers' order, and the keys left to the system's name.
#include "settings/hot_key_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lg {
namespace {

// Names only the keys a real layout would name and records what it was
// asked, so a test sees whether a key went to the system at all.
struct FakeSystemNames {
    std::vector<std::uint8_t> asked;
    KeyNameLookup Lookup() {
        return [this](std::uint8_t vk) -> std::u16string {
            asked.push_back(vk);
            switch (vk) {
                case 0x6A:
                    return u"Num *";
                case 0xBA:
                    return u";";
                case 0x91:
                    return u"Scroll Lock";
                default:
                    return {};  // no scan code
            }
        };
    }
};

struct TextCase {
    const char* name;
    TShortCut sc;
    std::u16string_view expected;
};
void PrintTo(const TextCase& c, std::ostream* os) {
    *os << c.name;
}

class HotKeyToTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(HotKeyToTextTest, NamesTheCombination) {
    FakeSystemNames names;
    EXPECT_EQ(HotKeyToText(GetParam().sc, names.Lookup()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HotKeyToTextTest,
    ::testing::Values(TextCase{"nothing", 0, u""},
                      // Modifiers on no key are no combination either.
                      TextCase{"modifiersWithoutKey", kScShift | kScCtrl | kScAlt, u""},
                      TextCase{"printScreen", 0x2C, u"Prt Scr"},
                      TextCase{"shiftPrintScreen", 0x202C, u"Shift+Prt Scr"},
                      TextCase{"altPrintScreen", 0x802C, u"Alt+Prt Scr"},
                      TextCase{"ctrlPrintScreen", 0x402C, u"Ctrl+Prt Scr"},
                      // Shift, then Ctrl, then Alt, whatever order they were pressed in.
                      TextCase{"shiftCtrlS", kScCtrl | kScShift | 0x53, u"Shift+Ctrl+S"},
                      TextCase{"allThree", kScAlt | kScCtrl | kScShift | 0x41, u"Shift+Ctrl+Alt+A"},
                      TextCase{"ctrlAltZ", kScAlt | kScCtrl | 0x5A, u"Ctrl+Alt+Z"},
                      TextCase{"backspace", 0x08, u"BkSp"}, TextCase{"tab", 0x09, u"Tab"},
                      TextCase{"enter", 0x0D, u"Enter"}, TextCase{"escape", 0x1B, u"Esc"},
                      TextCase{"space", 0x20, u"Space"}, TextCase{"pageUp", 0x21, u"PgUp"},
                      TextCase{"pageDown", 0x22, u"PgDn"}, TextCase{"end", 0x23, u"End"},
                      TextCase{"home", 0x24, u"Home"}, TextCase{"left", 0x25, u"Left"},
                      TextCase{"up", 0x26, u"Up"}, TextCase{"right", 0x27, u"Right"},
                      TextCase{"down", 0x28, u"Down"}, TextCase{"insert", 0x2D, u"Ins"},
                      TextCase{"delete", 0x2E, u"Del"}, TextCase{"digit0", 0x30, u"0"},
                      TextCase{"digit9", 0x39, u"9"}, TextCase{"letterA", 0x41, u"A"},
                      TextCase{"letterZ", 0x5A, u"Z"}, TextCase{"leftWin", 0x5B, u"Win"},
                      // The keypad digits read like the main keyboard's.
                      TextCase{"keypad0", 0x60, u"0"}, TextCase{"keypad5", 0x65, u"5"},
                      TextCase{"keypad9", 0x69, u"9"}, TextCase{"f1", 0x70, u"F1"},
                      TextCase{"f12", 0x7B, u"F12"}, TextCase{"f13", 0x7C, u"F13"},
                      TextCase{"f19", 0x82, u"F19"}, TextCase{"f24", 0x87, u"F24"},
                      TextCase{"ctrlF24", kScCtrl | 0x87, u"Ctrl+F24"},
                      // Outside the table: the system's name, with the modifiers before it.
                      TextCase{"keypadMultiply", 0x6A, u"Num *"},
                      TextCase{"altSemicolon", kScAlt | 0xBA, u"Alt+;"},
                      TextCase{"scrollLock", 0x91, u"Scroll Lock"},
                      // A key the system cannot name has no text, modifiers or not.
                      TextCase{"unnamed", 0x88, u""},
                      TextCase{"shiftUnnamed", kScShift | 0xFF, u""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HotKeyToTextLookup, AsksTheSystemOnlyForKeysOutsideTheTableAndNeverForNoKey) {
    FakeSystemNames names;
    const KeyNameLookup lookup = names.Lookup();
    HotKeyToText(0, lookup);
    HotKeyToText(kScShift | 0x2C, lookup);
    HotKeyToText(0x65, lookup);
    HotKeyToText(0x87, lookup);
    EXPECT_TRUE(names.asked.empty());
    HotKeyToText(kScAlt | 0xBA, lookup);
    HotKeyToText(0x88, lookup);
    EXPECT_EQ(names.asked, (std::vector<std::uint8_t>{0xBA, 0x88})) << "the key without modifiers";
}

TEST(HotKeyToTextLookup, WithoutALookupKeysOutsideTheTableAreEmpty) {
    EXPECT_EQ(HotKeyToText(0x6A, nullptr), u"");
    EXPECT_EQ(HotKeyToText(kScCtrl | 0x53, nullptr), u"Ctrl+S");
}

}  // namespace
}  // namespace lg
