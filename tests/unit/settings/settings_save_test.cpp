#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "settings/autostart.h"
#include "settings/settings_store.h"
#include "settings_printers.h"
#include "support/memory_registry_store.h"

namespace lg {
namespace {

constexpr std::u16string_view kExeName = u"Lumigrab.exe";
constexpr std::u16string_view kExePath = u"C:\\Program Files\\Lumigrab\\Lumigrab.exe";

// Every stored field away from its default, so a field saved under the
// wrong name or not at all shows.
TLGSettings Distinctive() {
    TLGSettings s;
    s.penwidth = 8;
    s.pencolor = 0x80123456;
    s.wincolor = 0x00563412;
    s.RunWinStart = true;
    s.path = u"E:\\Снимки\\";
    s.showcursor = true;
    s.playsound = false;
    s.hkAll = kScShift | kScCtrl | kScAlt | 0x41;
    s.hkArea = 0;
    s.hkWindow = kScAlt | 0x2C;
    s.TwoMouse = false;
    s.Server = false;
    s.SaveLocal = true;
    s.format = 2;
    s.FirstRun = false;
    s.ShowRedact = false;
    s.OpenURL = false;
    s.hkLastArea = kScCtrl | 0x52;
    return s;
}

// Values other parts of the program keep under the same key.
std::map<std::u16string, RawRegValue> PlantForeignValues(MemoryRegistryStore& r) {
    r.AddKey(kProgramKey);
    r.WriteString(kProgramKey, u"lastpath", u"F:\\Last\\");
    r.WriteBinary(kProgramKey, u"UpdateDate", std::vector<std::uint8_t>(8, 0x40));
    r.WriteBinary(kProgramKey, u"ShowOffer", std::vector<std::uint8_t>(8, 0x41));
    r.WriteDword(kProgramKey, u"SurveyCloseCount", 2);
    r.WriteDword(kProgramKey, u"SurveySeeSite", 1);
    r.WriteString(kProgramKey, u"FirstRun", u"");
    r.WriteString(kProgramKey, u"ServerURL", u"https://img.corp.local");
    std::map<std::u16string, RawRegValue> planted;
    for (const auto& name : r.ValueNames(kProgramKey)) planted[name] = *r.Raw(kProgramKey, name);
    return planted;
}

TEST(SaveSettingsTest, WritesExactlyTheStoredFieldsAndKeepsForeignValues) {
    MemoryRegistryStore store;
    auto foreign = PlantForeignValues(store);
    store.WriteDword(kProgramKey, u"pencolor", 1);  // an older value is overwritten

    const TLGSettings s = Distinctive();
    EXPECT_TRUE(SaveSettingsToRegistry(store, s, kExeName, kExePath));

    const std::map<std::u16string_view, std::uint32_t> dwords = {{u"pencolor", 0x80123456},
                                                                 {u"wincolor", 0x00563412},
                                                                 {u"showcursor", 1},
                                                                 {u"playsound", 0},
                                                                 {u"hkAllScreen", 0xE041},
                                                                 {u"hkAreaScreen", 0},
                                                                 {u"hkWindow", 0x802C},
                                                                 {u"TwoMouse", 0},
                                                                 {u"Server", 0},
                                                                 {u"SaveLocal", 1},
                                                                 {u"format", 2},
                                                                 {u"ShowRedact", 0},
                                                                 {u"OpenURL", 0},
                                                                 {u"hkLastArea", 0x4052}};
    for (const auto& [name, value] : dwords) {
        EXPECT_EQ(store.ReadDword(kProgramKey, name), value) << ::testing::PrintToString(name);
    }
    EXPECT_EQ(store.ReadString(kProgramKey, u"path"), u"E:\\Снимки\\");

    std::vector<std::u16string> expectedNames = {u"path"};
    for (const auto& [name, value] : dwords) expectedNames.emplace_back(name);
    for (const auto& [name, value] : foreign) expectedNames.push_back(name);
    std::vector<std::u16string> names = store.ValueNames(kProgramKey);
    std::sort(expectedNames.begin(), expectedNames.end());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, expectedNames);  // nothing else: no penwidth, RunWinStart, FirstRun

    for (const auto& [name, value] : foreign) {
        EXPECT_EQ(*store.Raw(kProgramKey, name), value) << ::testing::PrintToString(name);
    }
}

TEST(SaveSettingsTest, InitAfterSaveGivesTheRecordBack) {
    MemoryRegistryStore store;  // no key yet: the save creates it
    const TLGSettings saved = Distinctive();
    ASSERT_TRUE(SaveSettingsToRegistry(store, saved, kExeName, kExePath));

    TLGSettings loaded;
    std::u16string lastPath;
    InitSettings(store,
                 SettingsHost{u"D:\\P\\", std::u16string(kExeName), std::u16string(kExePath)},
                 loaded, lastPath);

    TLGSettings expected = saved;
    expected.penwidth = 5;     // never stored
    expected.FirstRun = true;  // never written by the save
    EXPECT_EQ(loaded, expected);
}

struct RefusedKey {
    const char* name;
    void (*plant)(MemoryRegistryStore&);
};
void PrintTo(const RefusedKey& c, std::ostream* os) {
    *os << c.name;
}

class SaveRefusedKeyTest : public ::testing::TestWithParam<RefusedKey> {};

// The record is lost for this save, but the user's autostart choice still
// takes effect both ways.
TEST_P(SaveRefusedKeyTest, StillAppliesAutostart) {
    MemoryRegistryStore store;
    GetParam().plant(store);
    TLGSettings s = Distinctive();

    s.RunWinStart = true;
    EXPECT_FALSE(SaveSettingsToRegistry(store, s, kExeName, kExePath));
    EXPECT_TRUE(IsAutostartRegistered(store, kExeName));
    EXPECT_TRUE(store.ValueNames(kProgramKey).empty());

    s.RunWinStart = false;
    EXPECT_FALSE(SaveSettingsToRegistry(store, s, kExeName, kExePath));
    EXPECT_FALSE(IsAutostartRegistered(store, kExeName));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SaveRefusedKeyTest,
    ::testing::Values(RefusedKey{"cannotCreate",
                                 [](MemoryRegistryStore& r) { r.DenyCreate(kProgramKey); }},
                      RefusedKey{"existsButReadOnly",
                                 [](MemoryRegistryStore& r) { r.Deny(kProgramKey, false, true); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SaveSettingsTest, AutostartOffWithoutEntryChangesOnlyTheProgramKey) {
    MemoryRegistryStore store;
    TLGSettings s;
    s.RunWinStart = false;
    EXPECT_TRUE(SaveSettingsToRegistry(store, s, kExeName, kExePath));
    EXPECT_TRUE(store.KeyExists(kProgramKey));
    EXPECT_FALSE(store.KeyExists(kAutostartKey));
}

}  // namespace
}  // namespace lg
