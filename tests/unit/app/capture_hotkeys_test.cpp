#include "app/capture_hotkeys.h"

#include <gtest/gtest.h>

#include "settings/settings.h"

namespace lg {
namespace {

TEST(CaptureHotKeysTest, EachHotKeyHasItsAtomKindAndSetting) {
    TLGSettings s;
    s.hkAll = 0x1111;
    s.hkWindow = 0x2222;
    s.hkArea = 0x3333;
    s.hkLastArea = 0x4444;
    struct Case {
        CaptureKind type;
        std::u16string_view atom;
        int kind;
        TShortCut setting;
    };
    // The registration order runs opposite to the capture kinds' numbers.
    const Case cases[] = {
        {thkAll, u"LG all", 2, 0x1111},
        {thkWin, u"LG win", 1, 0x2222},
        {thkArea, u"LG area", 0, 0x3333},
        // Added later, so registered last.
        {thkLastArea, u"LG last area", 3, 0x4444},
    };
    ASSERT_EQ(CaptureHotKeys().size(), std::size(cases));
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        const CaptureHotKey& hk = CaptureHotKeyOf(c.type);
        EXPECT_EQ(hk.kind, c.type) << i;
        EXPECT_EQ(hk.atomName, c.atom) << i;
        EXPECT_EQ(TypeSelectOf(hk.kind), c.kind) << i;
        EXPECT_EQ(HotKeySetting(s, c.type), c.setting) << i;
        // Start-up registers them in this order: all, window, area.
        EXPECT_EQ(CaptureHotKeys()[i].kind, c.type) << i;
        EXPECT_EQ(kHotKeyRegistrationOrder[i], c.type) << i;
        // And the setting is written back to the same field.
        TLGSettings t;
        SetHotKeySetting(t, c.type, 0x0123);
        EXPECT_EQ(HotKeySetting(t, c.type), 0x0123) << i;
    }
}

TEST(CaptureHotKeysTest, DefaultsArePrintScreenWithShiftAltOrNothing) {
    const TLGSettings s;
    EXPECT_EQ(ToSystemHotKey(HotKeySetting(s, thkAll)), (SystemHotKey{kHotKeyModShift, 0x2C}));
    EXPECT_EQ(ToSystemHotKey(HotKeySetting(s, thkWin)), (SystemHotKey{kHotKeyModAlt, 0x2C}));
    EXPECT_EQ(ToSystemHotKey(HotKeySetting(s, thkArea)), (SystemHotKey{0, 0x2C}));
}

TEST(CaptureHotKeysTest, ModifiersAreTranslatedAndOthersDropped) {
    struct Case {
        TShortCut hk;
        SystemHotKey expected;
    };
    const Case cases[] = {
        {0, {0, 0}},  // no hotkey: the empty combination
        {0x0041, {0, 0x41}},
        {0x2041, {kHotKeyModShift, 0x41}},
        {0x4041, {kHotKeyModControl, 0x41}},
        {0x8041, {kHotKeyModAlt, 0x41}},
        {0xE07B, {kHotKeyModShift | kHotKeyModControl | kHotKeyModAlt, 0x7B}},
        {0xC000, {kHotKeyModControl | kHotKeyModAlt, 0}},
        // Bits 8..12 are no modifier the system should ever see (and never
        // the Windows key, 8).
        {0x1F2C, {0, 0x2C}},
        {0x3FFF, {kHotKeyModShift, 0xFF}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ToSystemHotKey(c.hk), c.expected) << std::hex << c.hk;
    }
}

}  // namespace
}  // namespace lg
