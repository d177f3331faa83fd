#include <gtest/gtest.h>

#include "settings/settings_store.h"
#include "settings_printers.h"
#include "support/memory_registry_store.h"

namespace lg {
namespace {

constexpr std::u16string_view kDefaultPath = u"D:\\Pictures\\ЛюмиГРАБ\\";
const SettingsHost kHost{std::u16string(kDefaultPath), u"Lumigrab.exe",
                         u"C:\\Program Files\\Lumigrab\\Lumigrab.exe"};

struct LoadCase {
    const char* name;
    void (*plant)(MemoryRegistryStore&);
    // Turns the default record (path = kDefaultPath) into the expected one.
    void (*expect)(TLGSettings&, std::u16string& lastPath);
};
void PrintTo(const LoadCase& c, std::ostream* os) {
    *os << c.name;
}

void Program(MemoryRegistryStore& r) {
    r.AddKey(kProgramKey);
}
void Dword(MemoryRegistryStore& r, std::u16string_view name, std::uint32_t v) {
    r.AddKey(kProgramKey);
    r.WriteDword(kProgramKey, name, v);
}
void String(MemoryRegistryStore& r, std::u16string_view name, std::u16string_view v) {
    r.AddKey(kProgramKey);
    r.WriteString(kProgramKey, name, v);
}

class InitSettingsTest : public ::testing::TestWithParam<LoadCase> {};

TEST_P(InitSettingsTest, GivesDefaultsOverriddenByWellTypedValues) {
    const LoadCase& c = GetParam();
    MemoryRegistryStore store;
    c.plant(store);

    TLGSettings expected;
    expected.path = kDefaultPath;
    std::u16string expectedLastPath;
    c.expect(expected, expectedLastPath);

    // Start from a record unlike the defaults: initialisation must set every field.
    TLGSettings s{9, 1,     2,     true, u"X:\\", true,  false, 1,    2,
                  3, false, false, true, 7,       false, false, false};
    std::u16string lastPath = u"stale";
    InitSettings(store, kHost, s, lastPath);

    EXPECT_EQ(s, expected);
    EXPECT_EQ(lastPath, expectedLastPath);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InitSettingsTest,
    ::testing::Values(
        // First start for this user: the shipped defaults.
        LoadCase{"noKey", [](MemoryRegistryStore&) {}, [](TLGSettings&, std::u16string&) {}},
        LoadCase{"emptyKey", Program, [](TLGSettings&, std::u16string&) {}},
        // The key is there but this user may not read it.
        LoadCase{"unreadableKey",
                 [](MemoryRegistryStore& r) {
                     Dword(r, u"format", 1);
                     r.Deny(kProgramKey, true, false);
                 },
                 [](TLGSettings&, std::u16string&) {}},
        LoadCase{"everyValue",
                 [](MemoryRegistryStore& r) {
                     Dword(r, u"pencolor", 0x8000FF00);
                     Dword(r, u"wincolor", 0x0000FF00);
                     String(r, u"path", u"E:\\Shots\\");
                     Dword(r, u"showcursor", 1);
                     Dword(r, u"playsound", 0);
                     Dword(r, u"hkAllScreen", 0x4041);
                     Dword(r, u"hkAreaScreen", 0);
                     Dword(r, u"hkWindow", 0xA042);
                     Dword(r, u"TwoMouse", 0);
                     Dword(r, u"Server", 0);
                     Dword(r, u"SaveLocal", 1);
                     Dword(r, u"format", 1);
                     Dword(r, u"ShowRedact", 0);
                     Dword(r, u"OpenURL", 0);
                     Dword(r, u"hkLastArea", 0x6052);
                     String(r, u"lastpath", u"F:\\Last\\");
                 },
                 [](TLGSettings& s, std::u16string& last) {
                     s.pencolor = 0x8000FF00;
                     s.wincolor = 0x0000FF00;
                     s.path = u"E:\\Shots\\";
                     s.showcursor = true;
                     s.playsound = false;
                     s.hkAll = 0x4041;
                     s.hkArea = 0;
                     s.hkWindow = 0xA042;
                     s.TwoMouse = false;
                     s.Server = false;
                     s.SaveLocal = true;
                     s.format = 1;
                     s.ShowRedact = false;
                     s.OpenURL = false;
                     s.hkLastArea = 0x6052;
                     last = u"F:\\Last\\";
                 }},
        // Any value other than 0 is true.
        LoadCase{"booleanNonzero",
                 [](MemoryRegistryStore& r) {
                     Dword(r, u"showcursor", 2);
                     Dword(r, u"SaveLocal", 0xFFFFFFFF);
                 },
                 [](TLGSettings& s, std::u16string&) {
                     s.showcursor = true;
                     s.SaveLocal = true;
                 }},
        LoadCase{"emptyPathGivesDefault", [](MemoryRegistryStore& r) { String(r, u"path", u""); },
                 [](TLGSettings&, std::u16string&) {}},
        // File names are appended straight to the folder.
        LoadCase{"pathGetsTrailingBackslash",
                 [](MemoryRegistryStore& r) { String(r, u"path", u"E:\\Shots"); },
                 [](TLGSettings& s, std::u16string&) { s.path = u"E:\\Shots\\"; }},
        // Only the low 16 bits are a key combination.
        LoadCase{"hotkeysAs32Bit",
                 [](MemoryRegistryStore& r) {
                     Dword(r, u"hkWindow", 0x0001802C);
                     Dword(r, u"hkAllScreen", 0xFFFF0000);
                     Dword(r, u"hkAreaScreen", 32812);
                     Dword(r, u"hkLastArea", 0x00024052);
                 },
                 [](TLGSettings& s, std::u16string&) {
                     s.hkWindow = 0x802C;
                     s.hkAll = 0;
                     s.hkArea = 0x802C;
                     s.hkLastArea = 0x4052;
                 }},
        // A value of another type is ignored; the rest of the key still loads.
        LoadCase{
            "wrongTypes",
            [](MemoryRegistryStore& r) {
                String(r, u"pencolor", u"red");
                Dword(r, u"path", 5);
                String(r, u"playsound", u"0");
                r.SetRaw(kProgramKey, u"format", {RegType::Binary, {1, 0, 0, 0}});
                r.SetRaw(kProgramKey, u"hkWindow", {RegType::Qword, {0x41, 0, 0, 0, 0, 0, 0, 0}});
                Dword(r, u"lastpath", 3);
                Dword(r, u"wincolor", 0x00123456);
            },
            [](TLGSettings& s, std::u16string&) { s.wincolor = 0x00123456; }},
        // A DWORD must have exactly four bytes; anything else is not a number.
        LoadCase{"dwordOfWrongSize",
                 [](MemoryRegistryStore& r) {
                     r.SetRaw(kProgramKey, u"format", {RegType::Dword, {1, 0}});
                     r.SetRaw(kProgramKey, u"Server", {RegType::Dword, {}});
                 },
                 [](TLGSettings&, std::u16string&) {}},
        LoadCase{"firstRunAsDwordZero", [](MemoryRegistryStore& r) { Dword(r, u"FirstRun", 0); },
                 [](TLGSettings& s, std::u16string&) { s.FirstRun = false; }},
        LoadCase{"firstRunAsEmptyString",
                 [](MemoryRegistryStore& r) { String(r, u"FirstRun", u""); },
                 [](TLGSettings& s, std::u16string&) { s.FirstRun = false; }},
        LoadCase{"firstRunAsNoneType",
                 [](MemoryRegistryStore& r) { r.SetRaw(kProgramKey, u"FirstRun", {}); },
                 [](TLGSettings& s, std::u16string&) { s.FirstRun = false; }},
        // Value names are not case-sensitive in the registry.
        LoadCase{"namesIgnoreCase", [](MemoryRegistryStore& r) { Dword(r, u"FORMAT", 2); },
                 [](TLGSettings& s, std::u16string&) { s.format = 2; }},
        // A string with the terminator missing or an odd byte left over.
        LoadCase{"raggedString",
                 [](MemoryRegistryStore& r) {
                     r.SetRaw(kProgramKey, u"path", {RegType::Sz, {'E', 0, ':', 0, '\\', 0, 'X'}});
                     r.SetRaw(kProgramKey, u"lastpath", {RegType::Sz, {'G', 0, 0, 0, 'H', 0}});
                 },
                 [](TLGSettings& s, std::u16string& last) {
                     s.path = u"E:\\";
                     last = u"G";
                 }},
        LoadCase{"autostartEntryPresent",
                 [](MemoryRegistryStore& r) {
                     r.AddKey(kAutostartKey);
                     r.WriteString(kAutostartKey, u"Lumigrab", u"\"C:\\x\\Lumigrab.exe\"");
                 },
                 [](TLGSettings& s, std::u16string&) { s.RunWinStart = true; }},
        LoadCase{"autostartOfAnotherProgram",
                 [](MemoryRegistryStore& r) {
                     r.AddKey(kAutostartKey);
                     r.WriteString(kAutostartKey, u"Other", u"C:\\Other.exe");
                 },
                 [](TLGSettings&, std::u16string&) {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LoadSettingsTest, AbsentValuesLeaveTheFieldsAsTheyWere) {
    MemoryRegistryStore store;
    Dword(store, u"format", 1);
    TLGSettings s;
    s.pencolor = 0xFF00FF00;
    s.hkArea = 0;
    s.path = u"C:\\Keep\\";
    s.penwidth = 3;
    std::u16string lastPath = u"C:\\Before\\";

    TLGSettings expected = s;
    expected.format = 1;
    LoadSettingsFromRegistry(store, kDefaultPath, s, lastPath);

    EXPECT_EQ(s, expected);
    EXPECT_EQ(lastPath, u"C:\\Before\\");
}

TEST(LoadSettingsTest, UnknownPicturesFolderLeavesPathEmpty) {
    MemoryRegistryStore store;
    String(store, u"path", u"");
    TLGSettings s;
    std::u16string lastPath;
    InitSettings(store, SettingsHost{u"", u"Lumigrab.exe", u"C:\\Lumigrab.exe"}, s, lastPath);
    EXPECT_EQ(s.path, u"");
}

}  // namespace
}  // namespace lg
