// The save of the settings window without the window: the hotkeys
// registered anew in their order, a refused or bare combination cleared and
// stored as 0 with its reason, the record stored, and the fields the
// window does not edit kept from the program's record.
#include "settings/apply_settings.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "settings/bare_hot_key.h"
#include "settings/settings_printers.h"
#include "support/memory_registry_store.h"

namespace lg {
namespace {

constexpr std::u16string_view kExeName = u"Lumigrab.exe";
constexpr std::u16string_view kExePath = u"C:\\Program Files\\Lumigrab\\Lumigrab.exe";
constexpr TShortCut kPrint = 0x2C;
constexpr TShortCut kShiftPrint = kScShift | 0x2C;
constexpr TShortCut kAltPrint = kScAlt | 0x2C;
constexpr TShortCut kCtrlF9 = kScCtrl | 0x78;

// The system as a set of combinations other programs hold; every call is
// recorded.
class FakeRegistrar : public HotKeyRegistrar {
public:
    struct Call {
        CaptureKind kind;
        TShortCut hk;
        friend bool operator==(const Call&, const Call&) = default;
    };
    bool Register(CaptureKind kind, TShortCut hk) override {
        calls.push_back({kind, hk});
        return !heldElsewhere.contains(hk);
    }
    std::set<TShortCut> heldElsewhere;
    std::vector<Call> calls;
};

void PrintTo(const FakeRegistrar::Call& c, std::ostream* os) {
    *os << "{kind " << TypeSelectOf(c.kind) << ", $" << std::hex << c.hk << "}";
}

struct ApplyCase {
    const char* name;
    TShortCut all, window, area;  // the window's editors
    std::set<TShortCut> heldElsewhere;
    bool snipping;  // the system gives PrintScreen to its snipping tool
    std::vector<FakeRegistrar::Call> calls;
    TShortCut storedAll, storedWindow, storedArea;
    std::vector<RefusedHotKey> refused;
};
void PrintTo(const ApplyCase& c, std::ostream* os) {
    *os << c.name;
}

class ApplySettingsTest : public ::testing::TestWithParam<ApplyCase> {};

TEST_P(ApplySettingsTest, RegistersInOrderClearsWhatWasRefusedAndStores) {
    const ApplyCase& c = GetParam();
    MemoryRegistryStore store;
    if (c.snipping) {
        store.AddKey(u"Control Panel\\Keyboard");
        ASSERT_TRUE(
            store.WriteDword(u"Control Panel\\Keyboard", u"PrintScreenKeyForSnippingEnabled", 1));
    }
    FakeRegistrar registrar;
    registrar.heldElsewhere = c.heldElsewhere;
    const TLGSettings current;
    TLGSettings edited = current;
    edited.hkAll = c.all;
    edited.hkWindow = c.window;
    edited.hkArea = c.area;

    const SettingsApplied r = ApplySettings(current, edited, registrar, store, kExeName, kExePath);

    EXPECT_EQ(registrar.calls, c.calls);
    EXPECT_EQ(r.settings.hkAll, c.storedAll);
    EXPECT_EQ(r.settings.hkWindow, c.storedWindow);
    EXPECT_EQ(r.settings.hkArea, c.storedArea);
    EXPECT_EQ(r.refused, c.refused);
    EXPECT_TRUE(r.stored);
    // What is stored is what the program now holds: refused ones as 0.
    EXPECT_EQ(store.ReadDword(kProgramKey, u"hkAllScreen"), c.storedAll);
    EXPECT_EQ(store.ReadDword(kProgramKey, u"hkWindow"), c.storedWindow);
    EXPECT_EQ(store.ReadDword(kProgramKey, u"hkAreaScreen"), c.storedArea);
}

using K = CaptureKind;
INSTANTIATE_TEST_SUITE_P(
    Cases, ApplySettingsTest,
    ::testing::Values(
        ApplyCase{
            "defaultsAllAccepted",
            kShiftPrint,
            kAltPrint,
            kPrint,
            {},
            false,
            {{K::Screen, kShiftPrint}, {K::Window, kAltPrint}, {K::Area, kPrint}, {K::LastArea, 0}},
            kShiftPrint,
            kAltPrint,
            kPrint,
            {}},
        // Another program holds the window capture's combination: cleared,
        // stored as 0, and said why.
        ApplyCase{
            "windowHeldByAnotherProgram",
            kShiftPrint,
            kCtrlF9,
            kPrint,
            {kCtrlF9},
            false,
            {{K::Screen, kShiftPrint}, {K::Window, kCtrlF9}, {K::Area, kPrint}, {K::LastArea, 0}},
            kShiftPrint,
            0,
            kPrint,
            {{K::Window, kCtrlF9, HotKeyRefusal::OtherProgram}}},
        // PrintScreen refused while the system gives it to its snipping tool.
        ApplyCase{
            "printScreenTakenBySnipping",
            kShiftPrint,
            kAltPrint,
            kPrint,
            {kPrint},
            true,
            {{K::Screen, kShiftPrint}, {K::Window, kAltPrint}, {K::Area, kPrint}, {K::LastArea, 0}},
            kShiftPrint,
            kAltPrint,
            0,
            {{K::Area, kPrint, HotKeyRefusal::SnippingTool}}},
        ApplyCase{
            "printScreenHeldWithSnippingOff",
            kShiftPrint,
            kAltPrint,
            kPrint,
            {kPrint},
            false,
            {{K::Screen, kShiftPrint}, {K::Window, kAltPrint}, {K::Area, kPrint}, {K::LastArea, 0}},
            kShiftPrint,
            kAltPrint,
            0,
            {{K::Area, kPrint, HotKeyRefusal::OtherProgram}}},
        // A bare key (an older registry value the editor still showed) is
        // never offered to the system: the kind is released instead.
        ApplyCase{"bareLetterIsNotOffered",
                  'A',
                  kAltPrint,
                  kPrint,
                  {},
                  false,
                  {{K::Screen, 0}, {K::Window, kAltPrint}, {K::Area, kPrint}, {K::LastArea, 0}},
                  0,
                  kAltPrint,
                  kPrint,
                  {{K::Screen, 'A', HotKeyRefusal::BareKey}}},
        // An empty editor is registered empty and is no refusal, even when
        // the system does not accept the empty combination.
        ApplyCase{"emptyIsNoRefusal",
                  0,
                  kAltPrint,
                  kPrint,
                  {0},
                  false,
                  {{K::Screen, 0}, {K::Window, kAltPrint}, {K::Area, kPrint}, {K::LastArea, 0}},
                  0,
                  kAltPrint,
                  kPrint,
                  {}},
        ApplyCase{
            "allThreeRefusedInOrder",
            kShiftPrint,
            kAltPrint,
            ' ',
            {kShiftPrint, kAltPrint},
            false,
            {{K::Screen, kShiftPrint}, {K::Window, kAltPrint}, {K::Area, 0}, {K::LastArea, 0}},
            0,
            0,
            0,
            {{K::Screen, kShiftPrint, HotKeyRefusal::OtherProgram},
             {K::Window, kAltPrint, HotKeyRefusal::OtherProgram},
             {K::Area, ' ', HotKeyRefusal::BareKey}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ApplySettings, TakesTheWindowsFieldsAndKeepsWhatACaptureChangedMeanwhile) {
    TLGSettings current;
    current.penwidth = 9;
    current.pencolor = 0xFF00FF00;
    current.wincolor = 0x0000FF00;
    current.FirstRun = false;
    TLGSettings edited;  // made when the window opened: the old colours
    edited.RunWinStart = true;
    edited.path = u"D:\\shots\\";
    edited.showcursor = true;
    edited.playsound = false;
    edited.TwoMouse = false;
    edited.Server = false;
    edited.SaveLocal = true;
    edited.format = 1;
    edited.OpenURL = false;
    edited.ShowRedact = false;
    edited.hkArea = kCtrlF9;
    edited.hkLastArea = kScCtrl | 0x52;
    MemoryRegistryStore store;
    FakeRegistrar registrar;

    const SettingsApplied r = ApplySettings(current, edited, registrar, store, kExeName, kExePath);

    TLGSettings expected = edited;
    expected.penwidth = 9;
    expected.pencolor = 0xFF00FF00;
    expected.wincolor = 0x0000FF00;
    expected.FirstRun = false;
    EXPECT_EQ(r.settings, expected);
    EXPECT_TRUE(r.stored);
    EXPECT_EQ(store.ReadDword(kProgramKey, u"pencolor"), 0xFF00FF00u);
    EXPECT_EQ(store.ReadString(kProgramKey, u"path"), u"D:\\shots\\");
    EXPECT_TRUE(store.ValueExists(kAutostartKey, u"Lumigrab")) << "autostart applied";
}

TEST(ApplySettings, AStoreThatCannotBeWrittenStillRegistersAndSaysSo) {
    MemoryRegistryStore store;
    store.DenyCreate(kProgramKey);
    FakeRegistrar registrar;
    registrar.heldElsewhere = {kAltPrint};
    const TLGSettings current;
    const SettingsApplied r = ApplySettings(current, current, registrar, store, kExeName, kExePath);
    EXPECT_FALSE(r.stored);
    EXPECT_EQ(registrar.calls.size(), kHotKeyRegistrationOrder.size());
    EXPECT_EQ(r.settings.hkWindow, 0) << "the program's record holds the refusal all the same";
}

// The last area's hotkey, none by default, comes after the other three; a
// refused one is cleared and stored as 0 like theirs.
TEST(ApplySettings, TheLastAreaHotKeyIsRegisteredLastAndClearedWhenRefused) {
    constexpr TShortCut kCtrlR = kScCtrl | 0x52;
    struct Case {
        const char* name;
        TShortCut lastArea;
        bool heldElsewhere;
        TShortCut stored;
        std::size_t refused;
    };
    const Case cases[] = {
        {"none by default: released, nothing to report", 0, false, 0, 0},
        {"accepted", kCtrlR, false, kCtrlR, 0},
        {"held by another program", kCtrlR, true, 0, 1},
        {"a bare key is never offered", 'R', false, 0, 1},
    };
    for (const Case& c : cases) {
        MemoryRegistryStore store;
        FakeRegistrar registrar;
        if (c.heldElsewhere) registrar.heldElsewhere = {c.lastArea};
        const TLGSettings current;
        TLGSettings edited = current;
        edited.hkLastArea = c.lastArea;
        const SettingsApplied r =
            ApplySettings(current, edited, registrar, store, kExeName, kExePath);
        ASSERT_EQ(registrar.calls.size(), 4u) << c.name;
        EXPECT_EQ(registrar.calls.back().kind, CaptureKind::LastArea) << c.name;
        EXPECT_EQ(registrar.calls.back().hk, IsBareHotKey(c.lastArea) ? 0 : c.lastArea) << c.name;
        EXPECT_EQ(r.settings.hkLastArea, c.stored) << c.name;
        EXPECT_EQ(store.ReadDword(kProgramKey, u"hkLastArea"), c.stored) << c.name;
        ASSERT_EQ(r.refused.size(), c.refused) << c.name;
        if (c.refused) {
            EXPECT_EQ(r.refused[0].kind, CaptureKind::LastArea) << c.name;
        }
    }
}

// Start-up registers the same way: a bare key stored by an older version
// is not registered, and its kind stays without a hotkey.
TEST(RegisterCaptureHotKeys, AStoredBareKeyIsNotRegisteredAtStart) {
    struct Case {
        const char* name;
        TShortCut area;
        bool registered;
        std::vector<FakeRegistrar::Call> calls;
    };
    const Case cases[] = {
        {"bare digit",
         '5',
         false,
         {{K::Screen, kShiftPrint}, {K::Window, kAltPrint}, {K::Area, 0}, {K::LastArea, 0}}},
        {"bare enter",
         0x0D,
         false,
         {{K::Screen, kShiftPrint}, {K::Window, kAltPrint}, {K::Area, 0}, {K::LastArea, 0}}},
        {"F12 alone",
         0x7B,
         true,
         {{K::Screen, kShiftPrint}, {K::Window, kAltPrint}, {K::Area, 0x7B}, {K::LastArea, 0}}},
        {"keypad 5 alone",
         0x65,
         true,
         {{K::Screen, kShiftPrint}, {K::Window, kAltPrint}, {K::Area, 0x65}, {K::LastArea, 0}}},
    };
    for (const Case& c : cases) {
        TLGSettings s;
        s.hkArea = c.area;
        FakeRegistrar registrar;
        const HotKeyOutcomes o = RegisterCaptureHotKeys(s, registrar);
        EXPECT_EQ(registrar.calls, c.calls) << c.name;
        EXPECT_EQ(o[2], (HotKeyOutcome{K::Area, c.area, c.registered})) << c.name;
        EXPECT_EQ(RefusedHotKeys(o, false).size(), c.registered ? 0u : 1u) << c.name;
    }
}

}  // namespace
}  // namespace lg
