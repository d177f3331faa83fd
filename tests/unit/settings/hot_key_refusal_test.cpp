// The note beside the hotkey editors: which refusals are the system's
// snipping tool, which another program's, and how several are told.
#include "settings/hot_key_refusal.h"

#include <gtest/gtest.h>

#include "support/memory_registry_store.h"

#include <vector>

namespace lg {
namespace {

KeyNameLookup NoSystemNames() {
    return [](std::uint8_t) { return std::u16string(); };
}

struct ReasonCase {
    const char* name;
    TShortCut hk;
    bool snippingOn;
    HotKeyRefusal expected;
};
void PrintTo(const ReasonCase& c, std::ostream* os) {
    *os << c.name;
}

class RefusalReasonTest : public testing::TestWithParam<ReasonCase> {};

TEST_P(RefusalReasonTest, OnlyPlainPrintScreenGoesToTheSnippingSetting) {
    const ReasonCase& c = GetParam();
    EXPECT_EQ(RefusalReason(c.hk, c.snippingOn), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusalReasonTest,
    testing::Values(ReasonCase{"printScreenSnippingOn", 0x2C, true, HotKeyRefusal::SnippingTool},
                    ReasonCase{"printScreenSnippingOff", 0x2C, false, HotKeyRefusal::OtherProgram},
                    ReasonCase{"shiftPrintScreen", 0x202C, true, HotKeyRefusal::OtherProgram},
                    ReasonCase{"altPrintScreen", 0x802C, true, HotKeyRefusal::OtherProgram},
                    ReasonCase{"ctrlS", 0x4053, true, HotKeyRefusal::OtherProgram},
                    // Never offered to the system, whatever the snipping setting.
                    ReasonCase{"bareLetter", 0x41, true, HotKeyRefusal::BareKey},
                    ReasonCase{"bareSpace", 0x20, false, HotKeyRefusal::BareKey},
                    ReasonCase{"shiftLetter", 0x2041, false, HotKeyRefusal::OtherProgram}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PrintScreenKeyForSnipping, OnlyTheDwordOneCounts) {
    constexpr std::u16string_view key = u"Control Panel\\Keyboard";
    constexpr std::u16string_view name = u"PrintScreenKeyForSnippingEnabled";
    MemoryRegistryStore store;
    EXPECT_FALSE(PrintScreenKeyForSnipping(store));  // no key at all
    store.AddKey(key);
    EXPECT_FALSE(PrintScreenKeyForSnipping(store));  // no value
    ASSERT_TRUE(store.WriteDword(key, name, 0));
    EXPECT_FALSE(PrintScreenKeyForSnipping(store));
    ASSERT_TRUE(store.WriteDword(key, name, 1));
    EXPECT_TRUE(PrintScreenKeyForSnipping(store));
    ASSERT_TRUE(store.WriteString(key, name, u"1"));  // the wrong type
    EXPECT_FALSE(PrintScreenKeyForSnipping(store));
}

bool Contains(const std::u16string& text, std::u16string_view part) {
    return text.find(part) != std::u16string::npos;
}

TEST(HotKeyRefusalNote, NothingRefusedNoNote) {
    const std::vector<TShortCut> none{0, 0, 0};
    EXPECT_TRUE(HotKeyRefusalNote(none, true, NoSystemNames()).empty());
    EXPECT_TRUE(HotKeyRefusalNote({}, false, NoSystemNames()).empty());
}

TEST(HotKeyRefusalNote, SnippingToolNamesTheSystemSettingAndNoProgram) {
    const std::vector<TShortCut> refused{0, 0x2C, 0};
    const std::u16string note = HotKeyRefusalNote(refused, true, NoSystemNames());
    EXPECT_TRUE(Contains(note, u"Параметрах Windows"));
    EXPECT_TRUE(Contains(note, u"Специальные возможности → Клавиатура"));
    EXPECT_FALSE(Contains(note, u"другой программой"));
}

TEST(HotKeyRefusalNote, OneOtherProgramNamesTheCombination) {
    const std::vector<TShortCut> refused{0x202C};
    const std::u16string note = HotKeyRefusalNote(refused, true, NoSystemNames());
    EXPECT_EQ(note,
              u"Сочетание Shift+Prt Scr занято другой программой. Освободите его в ней или "
              u"выберите другое.");
}

TEST(HotKeyRefusalNote, SeveralAreListedInTheEditorsOrder) {
    const std::vector<TShortCut> refused{0x202C, 0, 0x802C};
    const std::u16string note = HotKeyRefusalNote(refused, false, NoSystemNames());
    EXPECT_TRUE(Contains(note, u"Сочетания Shift+Prt Scr, Alt+Prt Scr заняты"));
    EXPECT_TRUE(Contains(note, u"Освободите их"));
}

TEST(HotKeyRefusalNote, SnippingComesFirstThenTheOthersOnTheirOwnLine) {
    const std::vector<TShortCut> refused{0x202C, 0x2C, 0};
    const std::u16string note = HotKeyRefusalNote(refused, true, NoSystemNames());
    const std::size_t snipping = note.find(u"Клавишу Prt Scr");
    const std::size_t others = note.find(u"\nСочетание Shift+Prt Scr занято");
    ASSERT_NE(snipping, std::u16string::npos);
    ASSERT_NE(others, std::u16string::npos);
    EXPECT_LT(snipping, others);
}

TEST(HotKeyRefusalNote, BareKeysAreExplainedBeforeOtherPrograms) {
    const std::vector<TShortCut> refused{0x4078, 0x41, 0};
    const std::u16string note = HotKeyRefusalNote(refused, false, NoSystemNames());
    EXPECT_EQ(note,
              u"Клавишу A нельзя назначить без Ctrl, Alt или Shift: она перестала бы работать "
              u"во всех программах.\nСочетание Ctrl+F9 занято другой программой. Освободите "
              u"его в ней или выберите другое.");
    const std::vector<TShortCut> two{0x41, 0x31};
    EXPECT_TRUE(Contains(HotKeyRefusalNote(two, false, NoSystemNames()),
                         u"Клавиши A, 1 нельзя назначить без Ctrl, Alt или Shift: они"));
}

// The notification after a save: which combination, why, and which
// capture is now without a hotkey; several in a shorter form that fits.
TEST(HotKeysRefusedOnSave, SaysWhichWhyAndWhatIsLeftWithout) {
    struct Case {
        const char* name;
        std::vector<RefusedHotKey> refused;
        std::u16string text;
    };
    const Case cases[] = {
        {"nothing refused", {}, u""},
        {"another program",
         {{CaptureKind::Area, 0x4078, HotKeyRefusal::OtherProgram}},
         u"Сочетание Ctrl+F9 занято другой программой.\r\nСкриншот области остался без "
         u"горячей клавиши."},
        {"snipping tool",
         {{CaptureKind::Area, 0x2C, HotKeyRefusal::SnippingTool}},
         u"Клавишу Prt Scr забирает Windows.\r\nСкриншот области остался без горячей "
         u"клавиши."},
        {"bare key",
         {{CaptureKind::Window, 0x41, HotKeyRefusal::BareKey}},
         u"Клавишу A нельзя назначить без Ctrl, Alt или Shift.\r\nСкриншот активного окна "
         u"остался без горячей клавиши."},
        {"several",
         {{CaptureKind::Screen, 0x202C, HotKeyRefusal::OtherProgram},
          {CaptureKind::Area, 0x31, HotKeyRefusal::BareKey}},
         u"Не назначены: Shift+Prt Scr — занято другой программой; 1 — нужен Ctrl, Alt или "
         u"Shift.\r\nЭти скриншоты остались без горячих клавиш."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HotKeysRefusedOnSave(c.refused, NoSystemNames()), c.text) << c.name;
    }
}

}  // namespace
}  // namespace lg
