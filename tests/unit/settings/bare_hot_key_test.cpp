// Which combinations may not become a global hotkey: keys that type or that
// every dialog relies on, held without Ctrl, Alt or Shift.
#include "settings/bare_hot_key.h"

#include <gtest/gtest.h>

namespace lg {
namespace {

struct BareCase {
    const char* name;
    TShortCut hk;
    bool bare;
};
void PrintTo(const BareCase& c, std::ostream* os) {
    *os << c.name;
}

class BareHotKeyTest : public ::testing::TestWithParam<BareCase> {};

TEST_P(BareHotKeyTest, IsBareExactlyForTypingKeysWithoutAModifier) {
    const BareCase& c = GetParam();
    EXPECT_EQ(IsBareHotKey(c.hk), c.bare);
}

INSTANTIATE_TEST_SUITE_P(Cases, BareHotKeyTest,
                         ::testing::Values(
                             // Typing keys alone would stop typing them anywhere.
                             BareCase{"letterA", 'A', true}, BareCase{"letterZ", 'Z', true},
                             BareCase{"digit0", '0', true}, BareCase{"digit9", '9', true},
                             BareCase{"space", 0x20, true}, BareCase{"enter", 0x0D, true},
                             BareCase{"tab", 0x09, true}, BareCase{"esc", 0x1B, true},
                             BareCase{"backspace", 0x08, true},
                             // Punctuation types characters too: ";" "," "/" "[" "'" and the
                             // extra key left of Z on European keyboards.
                             BareCase{"semicolon", 0xBA, true}, BareCase{"comma", 0xBC, true},
                             BareCase{"slash", 0xBF, true}, BareCase{"backquote", 0xC0, true},
                             BareCase{"bracket", 0xDB, true}, BareCase{"quote", 0xDE, true},
                             BareCase{"oem102", 0xE2, true},
                             // Bits that are no modifier do not make it one.
                             BareCase{"letterWithUnusedBits", 0x1F41, true},
                             // Any of Ctrl, Alt or Shift makes the combination fine.
                             BareCase{"shiftA", kScShift | 'A', false},
                             BareCase{"ctrlSpace", kScCtrl | 0x20, false},
                             BareCase{"altEnter", kScAlt | 0x0D, false},
                             BareCase{"ctrlShift1", kScCtrl | kScShift | '1', false},
                             // Keys that nothing types with stay allowed alone.
                             BareCase{"f1", 0x70, false}, BareCase{"f24", 0x87, false},
                             BareCase{"printScreen", 0x2C, false}, BareCase{"pause", 0x13, false},
                             BareCase{"insert", 0x2D, false}, BareCase{"keypad0", 0x60, false},
                             BareCase{"keypad9", 0x69, false}, BareCase{"keypadPlus", 0x6B, false},
                             BareCase{"keypadDivide", 0x6F, false}, BareCase{"pageUp", 0x21, false},
                             // No hotkey at all is not a bare key.
                             BareCase{"none", 0, false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lg
