// The hotkey editor's key handling as sequences of key events: what it
// shows on the way (every OnChange), what it holds at the end.
#include "settings/hot_key_editor_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lg {
namespace {

constexpr std::uint8_t kShift = 0x10, kCtrl = 0x11, kAlt = 0x12, kPrint = 0x2C;

// One event given to the editor.
struct Step {
    enum Kind { Down, Up, Set } kind;
    std::uint8_t vk = 0;
    bool shift = false, ctrl = false, alt = false;
    TShortCut sc = 0;
};
Step KeyDown(std::uint8_t vk, bool shift = false, bool ctrl = false, bool alt = false) {
    return Step{Step::Down, vk, shift, ctrl, alt};
}
Step KeyUp() {
    return Step{Step::Up};
}
Step SetTo(TShortCut sc) {
    return Step{Step::Set, 0, false, false, false, sc};
}

struct SequenceCase {
    const char* name;
    TShortCut start;  // set before the sequence, not counted
    std::vector<Step> steps;
    std::vector<std::u16string> shown;  // the text at each OnChange, in order
    TShortCut hotKey;                   // held at the end
    std::u16string text;                // shown at the end
};
void PrintTo(const SequenceCase& c, std::ostream* os) {
    *os << c.name;
}

// The system names only ";" here.
std::u16string FakeName(std::uint8_t vk) {
    return vk == 0xBA ? u";" : u"";
}

class HotKeyEditorSequenceTest : public ::testing::TestWithParam<SequenceCase> {};

TEST_P(HotKeyEditorSequenceTest, ShowsAndHolds) {
    const SequenceCase& c = GetParam();
    HotKeyEditorModel editor(FakeName);
    editor.SetHotKey(c.start);
    std::vector<std::u16string> shown;
    editor.OnChange = [&] { shown.push_back(editor.Text()); };
    for (const Step& s : c.steps) {
        switch (s.kind) {
            case Step::Down:
                editor.KeyDown(s.vk, s.shift, s.ctrl, s.alt);
                break;
            case Step::Up:
                editor.KeyUp();
                break;
            case Step::Set:
                editor.SetHotKey(s.sc);
                break;
        }
    }
    EXPECT_EQ(shown, c.shown);
    EXPECT_EQ(editor.HotKey(), c.hotKey);
    EXPECT_EQ(editor.Text(), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HotKeyEditorSequenceTest,
    ::testing::Values(
        SequenceCase{"ctrlShiftS",
                     0,
                     {KeyDown(kCtrl, false, true), KeyDown(kShift, true, true),
                      KeyDown(0x53, true, true), KeyUp(), KeyUp(), KeyUp()},
                     {u"Ctrl+", u"Shift+Ctrl+", u"Shift+Ctrl+S"},
                     kScShift | kScCtrl | 0x53,
                     u"Shift+Ctrl+S"},
        // Letting go without a key keeps what the editor held; saving
        // stores it although the text is empty.
        SequenceCase{"ctrlAloneThenRelease",
                     0x202C,
                     {KeyDown(kCtrl, false, true), KeyUp()},
                     {u"Ctrl+", u""},
                     0x202C,
                     u""},
        SequenceCase{
            "altThenPrintScreen",
            0x2C,
            {KeyDown(kAlt, false, false, true), KeyDown(kPrint, false, false, true), KeyUp()},
            {u"Alt+", u"Alt+Prt Scr"},
            0x802C,
            u"Alt+Prt Scr"},
        SequenceCase{"keypad5ShowsTheDigitButHoldsTheKeypadKey",
                     0,
                     {KeyDown(0x65), KeyUp()},
                     {u"5"},
                     0x65,
                     u"5"},
        SequenceCase{
            "sameComboAgainIsNoChange", 0x2C, {KeyDown(kPrint), KeyUp()}, {}, 0x2C, u"Prt Scr"},
        SequenceCase{"keyOutsideTheTableTakesTheSystemName",
                     0,
                     {KeyDown(0xBA, false, true)},
                     {u"Ctrl+;"},
                     kScCtrl | 0xBA,
                     u"Ctrl+;"},
        // A key the system cannot name is held, with nothing to show.
        SequenceCase{"unnamedKeyIsHeldWithEmptyText", 0x2C, {KeyDown(0x88)}, {u""}, 0x88, u""},
        // After a real key the releases change nothing, modifier or not.
        SequenceCase{"releaseAfterARealKeyKeepsTheText",
                     0,
                     {KeyDown(kAlt, false, false, true), KeyDown(0x41, false, false, true), KeyUp(),
                      KeyUp()},
                     {u"Alt+", u"Alt+A"},
                     kScAlt | 0x41,
                     u"Alt+A"},
        SequenceCase{"releaseWithoutAKeyDownKeepsTheText", 0x2C, {KeyUp()}, {}, 0x2C, u"Prt Scr"},
        SequenceCase{"navigationKeysAreIgnored",
                     0x202C,
                     {KeyDown(0x23), KeyDown(0x24), KeyDown(0x25, true), KeyDown(0x26, false, true),
                      KeyDown(0x27, false, false, true), KeyDown(0x28), KeyDown(0x2E)},
                     {},
                     0x202C,
                     u"Shift+Prt Scr"},
        // Page Up and Insert are not among them.
        SequenceCase{"pageUpAndInsertAreTaken",
                     0,
                     {KeyDown(0x21), KeyDown(0x2D, true)},
                     {u"PgUp", u"Shift+Ins"},
                     kScShift | 0x2D,
                     u"Shift+Ins"},
        SequenceCase{"programSetsTheHotKey",
                     0,
                     {SetTo(0x802C), SetTo(0x802C), SetTo(0)},
                     {u"Alt+Prt Scr", u""},
                     0,
                     u""},
        // The modifiers' text was showing; setting the same hotkey shows it again.
        SequenceCase{"setAfterModifiersShowsTheTextAgain",
                     0x2C,
                     {KeyDown(kShift, true), KeyUp(), SetTo(0x2C)},
                     {u"Shift+", u"", u"Prt Scr"},
                     0x2C,
                     u"Prt Scr"}),
    [](const auto& info) { return std::string(info.param.name); });

// A key that types, pressed without Ctrl, Alt or Shift, would be taken
// from every program: the editor keeps what it held and names the key it
// refused until another key is chosen.
TEST(HotKeyEditorModel, ABareTypingKeyIsRefusedAndNamedUntilTheNextKey) {
    struct Case {
        const char* name;
        std::vector<Step> steps;
        TShortCut hotKey;
        TShortCut rejected;
        std::u16string text;
        int changes;  // OnChange calls: the refusal is a change to tell
    };
    const Case cases[] = {
        {"letter", {KeyDown('A'), KeyUp()}, 0x2C, 'A', u"Prt Scr", 1},
        {"digit", {KeyDown('7')}, 0x2C, '7', u"Prt Scr", 1},
        {"space", {KeyDown(0x20)}, 0x2C, 0x20, u"Prt Scr", 1},
        {"enter", {KeyDown(0x0D)}, 0x2C, 0x0D, u"Prt Scr", 1},
        {"tab", {KeyDown(0x09)}, 0x2C, 0x09, u"Prt Scr", 1},
        {"esc", {KeyDown(0x1B)}, 0x2C, 0x1B, u"Prt Scr", 1},
        {"backspace", {KeyDown(0x08)}, 0x2C, 0x08, u"Prt Scr", 1},
        {"sameKeyTwiceTellsOnce", {KeyDown('A'), KeyDown('A')}, 0x2C, 'A', u"Prt Scr", 1},
        {"aModifierKeepsTheReason",
         {KeyDown('A'), KeyDown(kCtrl, false, true)},
         0x2C,
         'A',
         u"Ctrl+",
         2},
        {"thenWithCtrlIsTaken",
         {KeyDown('A'), KeyDown(kCtrl, false, true), KeyDown('A', false, true)},
         kScCtrl | 'A',
         0,
         u"Ctrl+A",
         3},
        {"thenF5AloneIsTaken", {KeyDown('A'), KeyDown(0x74)}, 0x74, 0, u"F5", 2},
        {"programSetsAnother", {KeyDown('A'), SetTo(0x802C)}, 0x802C, 0, u"Alt+Prt Scr", 2},
        {"shiftedLetterIsFine", {KeyDown('A', true)}, kScShift | 'A', 0, u"Shift+A", 1},
        {"keypadDigitIsFine", {KeyDown(0x67)}, 0x67, 0, u"7", 1},
    };
    for (const Case& c : cases) {
        HotKeyEditorModel editor(FakeName);
        editor.SetHotKey(0x2C);
        int changes = 0;
        editor.OnChange = [&] { ++changes; };
        for (const Step& s : c.steps) {
            if (s.kind == Step::Down) {
                EXPECT_TRUE(editor.KeyDown(s.vk, s.shift, s.ctrl, s.alt)) << c.name;
            } else if (s.kind == Step::Up) {
                editor.KeyUp();
            } else {
                editor.SetHotKey(s.sc);
            }
        }
        EXPECT_EQ(editor.HotKey(), c.hotKey) << c.name;
        EXPECT_EQ(editor.Rejected(), c.rejected) << c.name;
        EXPECT_EQ(editor.Text(), c.text) << c.name;
        EXPECT_EQ(changes, c.changes) << c.name;
    }
}

TEST(HotKeyEditorModel, RefusesExactlyTheKeysTheLoopKeepsAway) {
    HotKeyEditorModel editor(FakeName);
    editor.SetHotKey(0x2C);
    std::vector<int> refused;
    for (int vk = 1; vk <= 0xFE; ++vk) {
        if (!editor.KeyDown(static_cast<std::uint8_t>(vk), false, false, false)) {
            refused.push_back(vk);
        }
    }
    // End, Home, Left, Up, Right, Down, Delete.
    EXPECT_EQ(refused, (std::vector<int>{0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x2E}));
}

// The settings window clears a duplicate from inside OnChange; the editor
// must end in the state the handler left, reporting the cleared text too.
TEST(HotKeyEditorModel, AHandlerMaySetTheHotKeyFromOnChange) {
    HotKeyEditorModel editor(FakeName);
    std::vector<std::u16string> shown;
    editor.OnChange = [&] {
        shown.push_back(editor.Text());
        if (editor.HotKey() == 0x802C) editor.SetHotKey(0);
    };
    editor.KeyDown(kPrint, false, false, true);
    EXPECT_EQ(editor.HotKey(), 0);
    EXPECT_EQ(editor.Text(), u"");
    EXPECT_EQ(shown, (std::vector<std::u16string>{u"Alt+Prt Scr", u""}));
}

}  // namespace
}  // namespace lg
