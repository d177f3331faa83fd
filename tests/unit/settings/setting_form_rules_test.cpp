// The settings window's rules: which hotkey editor gives way to a clash,
// the save-target radio pair, and the reset's values.
#include "settings/setting_form_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace lg {

// Found by argument-dependent lookup, so beside the type's namespace.
void PrintTo(const SaveTargetButtons& b, std::ostream* os) {
    *os << "{server " << b.btServer << ", clip " << b.btClip << ", openURL " << b.btOpenURL << "}";
}

namespace {

using enum HotKeyEditorId;
constexpr TShortCut kPrint = 0x2C, kShiftPrint = 0x202C, kAltPrint = 0x802C, kCtrlS = 0x4053;

struct ClashCase {
    const char* name;
    HotKeyEditorId changed;
    HotKeyEditorValues values;  // after the change
    std::optional<HotKeyEditorId> clash;
};
void PrintTo(const ClashCase& c, std::ostream* os) {
    *os << c.name;
}

class HotKeyClashTest : public ::testing::TestWithParam<ClashCase> {};

TEST_P(HotKeyClashTest, NamesTheEditorAlreadyHoldingIt) {
    EXPECT_EQ(HotKeyClash(GetParam().changed, GetParam().values), GetParam().clash);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HotKeyClashTest,
    ::testing::Values(
        ClashCase{"allDistinct", hkAllScreen, {kShiftPrint, kPrint, kAltPrint}, std::nullopt},
        ClashCase{"areaDistinct", hkAreaScreen, {kShiftPrint, kPrint, kAltPrint}, std::nullopt},
        ClashCase{"winDistinct", hkWinScreen, {kShiftPrint, kPrint, kAltPrint}, std::nullopt},
        // Area takes the whole screen's combination: area gives way.
        ClashCase{"areaTakesAll", hkAreaScreen, {kShiftPrint, kShiftPrint, kAltPrint}, hkAllScreen},
        ClashCase{"areaTakesWin", hkAreaScreen, {kShiftPrint, kAltPrint, kAltPrint}, hkWinScreen},
        ClashCase{"allTakesArea", hkAllScreen, {kPrint, kPrint, kAltPrint}, hkAreaScreen},
        ClashCase{"allTakesWin", hkAllScreen, {kAltPrint, kPrint, kAltPrint}, hkWinScreen},
        ClashCase{"winTakesAll", hkWinScreen, {kShiftPrint, kPrint, kShiftPrint}, hkAllScreen},
        ClashCase{"winTakesArea", hkWinScreen, {kShiftPrint, kPrint, kPrint}, hkAreaScreen},
        // All three equal: the first of the changed editor's order is named.
        ClashCase{"allOrderWinFirst", hkAllScreen, {kCtrlS, kCtrlS, kCtrlS}, hkWinScreen},
        ClashCase{"areaOrderWinFirst", hkAreaScreen, {kCtrlS, kCtrlS, kCtrlS}, hkWinScreen},
        ClashCase{"winOrderAreaFirst", hkWinScreen, {kCtrlS, kCtrlS, kCtrlS}, hkAreaScreen},
        // Only the changed editor is looked at: the other two may clash.
        ClashCase{
            "othersClashAmongThemselves", hkAreaScreen, {kCtrlS, kPrint, kCtrlS}, std::nullopt},
        // Modifiers count: Shift+PrintScreen is not PrintScreen.
        ClashCase{"modifiersDiffer", hkAreaScreen, {kShiftPrint, kPrint, kAltPrint}, std::nullopt},
        ClashCase{"emptyEditorsNeverClash", hkWinScreen, {0, kPrint, 0}, std::nullopt},
        // The last area's editor, added later: the others look at it last,
        // it looks at window, area, whole screen.
        ClashCase{
            "lastAreaDistinct", hkLastArea, {kShiftPrint, kPrint, kAltPrint, kCtrlS}, std::nullopt},
        ClashCase{"lastAreaTakesArea",
                  hkLastArea,
                  {kShiftPrint, kPrint, kAltPrint, kPrint},
                  hkAreaScreen},
        ClashCase{
            "lastAreaOrderWinFirst", hkLastArea, {kCtrlS, kCtrlS, kCtrlS, kCtrlS}, hkWinScreen},
        ClashCase{"areaTakesLastArea",
                  hkAreaScreen,
                  {kShiftPrint, kCtrlS, kAltPrint, kCtrlS},
                  hkLastArea},
        ClashCase{
            "allOrderLastAreaLast", hkAllScreen, {kCtrlS, kPrint, kCtrlS, kCtrlS}, hkWinScreen},
        ClashCase{
            "emptyLastAreaNeverClashes", hkLastArea, {0, kPrint, kAltPrint, 0}, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

struct RadioCase {
    const char* name;
    SaveTargetButtons before;
    SaveTargetRadio clicked;
    SaveTargetButtons after;
};
void PrintTo(const RadioCase& c, std::ostream* os) {
    *os << c.name;
}

class SaveTargetRadioTest : public ::testing::TestWithParam<RadioCase> {};

TEST_P(SaveTargetRadioTest, MovesThePairAndTheBrowserOption) {
    EXPECT_EQ(ClickSaveTarget(GetParam().before, GetParam().clicked), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SaveTargetRadioTest,
    ::testing::Values(RadioCase{"clipUnticksBrowser",
                                {true, false, true},
                                SaveTargetRadio::btClip,
                                {false, true, false}},
                      RadioCase{"clipWithBrowserAlreadyOff",
                                {true, false, false},
                                SaveTargetRadio::btClip,
                                {false, true, false}},
                      RadioCase{"serverTicksBrowser",
                                {false, true, false},
                                SaveTargetRadio::btServer,
                                {true, false, true}},
                      // The chosen one clicked again: nothing moves, not even the browser option.
                      RadioCase{"chosenServerAgain",
                                {true, false, false},
                                SaveTargetRadio::btServer,
                                {true, false, false}},
                      // Ticking the browser option by hand under the clipboard stays.
                      RadioCase{"chosenClipAgainKeepsHandTick",
                                {false, true, true},
                                SaveTargetRadio::btClip,
                                {false, true, true}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SettingFormDefaults, ResetValues) {
    const SettingFormDefaults d = DefaultSettings(u"D:\\Pictures");
    EXPECT_TRUE(d.btRunWinStart) << "the reset turns autostart on";
    EXPECT_FALSE(d.btShowCursor);
    EXPECT_TRUE(d.btPlaySound);
    EXPECT_TRUE(d.btShowRedact);
    EXPECT_EQ(d.hkAllScreen, 0x202C);
    EXPECT_EQ(d.hkAreaScreen, 0x002C);
    EXPECT_EQ(d.hkWinScreen, 0x802C);
    EXPECT_EQ(d.hkLastArea, 0) << "no hotkey of its own by default";
    EXPECT_TRUE(d.btTwoMouse);
    EXPECT_EQ(d.edPath2, u"D:\\Pictures\\ЛюмиГРАБ\\");
    EXPECT_TRUE(d.btServer);
    EXPECT_FALSE(d.btClip);
    EXPECT_FALSE(d.btSaveToo);
    EXPECT_EQ(d.cbFormat, 0);
    EXPECT_TRUE(d.btOpenURL);
    EXPECT_EQ(DefaultSettings(std::nullopt).edPath2, u"") << "an unknown pictures folder";
}

}  // namespace
}  // namespace lg
