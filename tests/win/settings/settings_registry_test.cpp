// The settings logic on the real registry: the record, the autostart entry,
// dates, and the start-up glue with the real executable and Pictures folder.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/module_path.h"
#include "platform/registry_key.h"
#include "platform/u16.h"
#include "platform/win32_registry_store.h"
#include "scratch_key.h"
#include "settings/autostart.h"
#include "settings/pictures_folder.h"
#include "settings/settings.h"
#include "settings/settings_date.h"
#include "settings/settings_store.h"
#include "settings/startup_settings.h"

namespace lg::win {
namespace {

// A value as the registry holds it, read without the store.
struct Raw {
    DWORD type = REG_NONE;
    std::vector<std::uint8_t> bytes;
};
Raw ReadRaw(HKEY root, std::u16string_view key, const wchar_t* name) {
    Raw raw;
    DWORD size = 0;
    std::wstring k = ToWide(key);
    if (RegGetValueW(root, k.c_str(), name, RRF_RT_ANY | RRF_NOEXPAND, &raw.type, nullptr, &size) !=
        ERROR_SUCCESS) {
        return {};
    }
    raw.bytes.resize(size);
    RegGetValueW(root, k.c_str(), name, RRF_RT_ANY | RRF_NOEXPAND, &raw.type, raw.bytes.data(),
                 &size);
    raw.bytes.resize(size);
    return raw;
}
std::wstring RawText(const Raw& raw) {
    std::wstring s(raw.bytes.size() / 2, L'\0');
    std::memcpy(s.data(), raw.bytes.data(), s.size() * 2);
    while (!s.empty() && s.back() == L'\0') s.pop_back();
    return s;
}

TLGSettings Distinctive() {
    TLGSettings s;
    s.pencolor = 0x80123456;
    s.wincolor = 0x00563412;
    s.RunWinStart = true;
    s.path = u"E:\\Снимки\\";
    s.showcursor = true;
    s.playsound = false;
    s.hkAll = 0;
    s.hkArea = kScCtrl | 0x2C;
    s.hkWindow = kScAlt | 0x2C;
    s.TwoMouse = false;
    s.Server = false;
    s.SaveLocal = true;
    s.format = 1;
    s.ShowRedact = false;
    s.OpenURL = false;
    return s;
}

TEST(SettingsOnRegistryTest, SavedRecordLoadsBackWithTheDocumentedTypes) {
    ScratchKey scratch(L"record");
    Win32RegistryStore store(scratch.get());
    const TLGSettings saved = Distinctive();
    ASSERT_TRUE(SaveSettingsToRegistry(store, saved, u"Lumigrab.exe",
                                       u"C:\\Program Files\\x\\Lumigrab.exe"));

    TLGSettings loaded;
    std::u16string lastPath;
    InitSettings(store, SettingsHost{u"D:\\P\\", u"Lumigrab.exe", u"C:\\x.exe"}, loaded, lastPath);
    EXPECT_EQ(loaded, saved);

    Raw hk = ReadRaw(scratch.get(), kProgramKey, L"hkWindow");
    EXPECT_EQ(hk.type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(hk.bytes, (std::vector<std::uint8_t>{0x2C, 0x80, 0, 0}));
    Raw path = ReadRaw(scratch.get(), kProgramKey, L"path");
    EXPECT_EQ(path.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(RawText(path), L"E:\\Снимки\\");
    Raw run = ReadRaw(scratch.get(), kAutostartKey, L"Lumigrab");
    EXPECT_EQ(run.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(RawText(run), L"\"C:\\Program Files\\x\\Lumigrab.exe\"");
}

TEST(SettingsOnRegistryTest, WrongTypesUnderTheProgramKeyKeepTheDefaults) {
    ScratchKey scratch(L"types");
    Win32RegistryStore store(scratch.get());
    ASSERT_TRUE(store.CreateKey(kProgramKey));
    ASSERT_TRUE(store.WriteString(kProgramKey, u"pencolor", u"red"));
    ASSERT_TRUE(store.WriteDword(kProgramKey, u"path", 5));
    ASSERT_TRUE(store.WriteBinary(kProgramKey, u"UpdateDate", std::vector<std::uint8_t>(4, 1)));
    ASSERT_TRUE(store.WriteDword(kProgramKey, u"hkWindow", 0x0001802C));

    TLGSettings s;
    std::u16string lastPath;
    InitSettings(store, SettingsHost{u"D:\\P\\", u"Lumigrab.exe", u"C:\\x.exe"}, s, lastPath);
    EXPECT_EQ(s.pencolor, TLGSettings{}.pencolor);
    EXPECT_EQ(s.path, u"D:\\P\\");
    EXPECT_EQ(s.hkWindow, 0x802C);
    EXPECT_EQ(ReadSettingsDate(store, u"UpdateDate"), 0.0);
}

TEST(SettingsOnRegistryTest, DatesRoundTripAsEightByteBinary) {
    ScratchKey scratch(L"dates");
    Win32RegistryStore store(scratch.get());
    ASSERT_TRUE(WriteSettingsDate(store, u"ShowOffer", 46371.0));  // creates the key
    EXPECT_EQ(ReadSettingsDate(store, u"ShowOffer"), 46371.0);
    Raw raw = ReadRaw(scratch.get(), kProgramKey, L"ShowOffer");
    EXPECT_EQ(raw.type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(raw.bytes.size(), 8u);
    EXPECT_EQ(ReadSettingsDate(store, u"UpdateDate"), 0.0);
}

// The real Run key, under this test executable's own name.
class RealAutostartTest : public ::testing::Test {
protected:
    void TearDown() override {
        Win32RegistryStore store;
        store.DeleteValue(kAutostartKey, AutostartValueName(AsU16(ExeFileName())));
    }
};

TEST_F(RealAutostartTest, EntryIsCreatedQuotedAndRemoved) {
    Win32RegistryStore store;
    const std::wstring exeName = ExeFileName();
    const std::wstring exePath = ExePath();
    ASSERT_FALSE(exePath.empty());
    const std::u16string valueName = AutostartValueName(AsU16(exeName));

    ASSERT_TRUE(SetAutostart(store, true, AsU16(exeName), AsU16(exePath)));
    EXPECT_TRUE(IsAutostartRegistered());
    Raw raw = ReadRaw(HKEY_CURRENT_USER, kAutostartKey, ToWide(valueName).c_str());
    EXPECT_EQ(raw.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(RawText(raw), L"\"" + exePath + L"\"");

    ASSERT_TRUE(SetAutostart(store, false, AsU16(exeName), AsU16(exePath)));
    EXPECT_FALSE(IsAutostartRegistered());
    EXPECT_FALSE(store.ValueExists(kAutostartKey, valueName));
    EXPECT_TRUE(SetAutostart(store, false, AsU16(exeName), AsU16(exePath)));
}

TEST(DefaultSavePathOnWineTest, IsThePicturesFolderWithTheProgramFolder) {
    std::optional<std::u16string> pictures = PicturesFolder();
    ASSERT_TRUE(pictures.has_value());
    std::u16string path = DefaultSavePath();
    const std::u16string_view tail = u"\\ЛюмиГРАБ\\";
    ASSERT_GT(path.size(), tail.size());
    EXPECT_EQ(path.substr(path.size() - tail.size()), tail);
    EXPECT_EQ(path.substr(0, pictures->size()), *pictures);
}

// The real program key, moved aside for the test and put back afterwards;
// the global record is restored too.
class ProgramKeyTest : public ::testing::Test {
protected:
    static constexpr wchar_t kProgram[] = L"Software\\Vey Software\\Lumigrab";
    static constexpr wchar_t kParent[] = L"Software\\Vey Software";

    void SetUp() override {
        savedSettings_ = LGSettings();
        savedLastPath_ = LastPath();
        parentExisted_ = static_cast<bool>(OpenRegKey(HKEY_CURRENT_USER, kParent, KEY_READ));
        if (UniqueRegKey k = OpenRegKey(HKEY_CURRENT_USER, kProgram, KEY_READ)) {
            ASSERT_TRUE(backup_.get());
            ASSERT_EQ(RegCopyTreeW(k.get(), nullptr, backup_.get()), ERROR_SUCCESS);
            hadKey_ = true;
        }
        RegDeleteTreeW(HKEY_CURRENT_USER, kProgram);
    }
    void TearDown() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, kProgram);
        if (hadKey_) {
            UniqueRegKey k = CreateRegKey(HKEY_CURRENT_USER, kProgram, KEY_ALL_ACCESS);
            RegCopyTreeW(backup_.get(), nullptr, k.get());
        } else if (!parentExisted_) {
            RegDeleteTreeW(HKEY_CURRENT_USER, kParent);
        }
        LGSettings() = savedSettings_;
        LastPath() = savedLastPath_;
        // This executable's autostart entry, which the save may have written.
        Win32RegistryStore().DeleteValue(kAutostartKey, AutostartValueName(AsU16(ExeFileName())));
    }

    ScratchKey backup_{L"program key backup"};
    bool hadKey_ = false;
    bool parentExisted_ = false;
    TLGSettings savedSettings_;
    std::u16string savedLastPath_;
};

TEST_F(ProgramKeyTest, StartupLoadsWhatTheGlobalSaveWrote) {
    LoadAllSettingsAtStartup();  // no key: the defaults
    EXPECT_TRUE(LGSettings().FirstRun);
    EXPECT_EQ(LGSettings().path, DefaultSavePath());
    EXPECT_EQ(LGSettings().hkArea, 0x2C);
    EXPECT_FALSE(LGSettings().RunWinStart);

    TLGSettings changed = Distinctive();
    LGSettings() = changed;
    ASSERT_TRUE(SaveSettingsToRegistry());
    Win32RegistryStore().WriteString(kProgramKey, u"lastpath", u"F:\\Last\\");

    LGSettings() = TLGSettings{};
    LoadAllSettingsAtStartup();
    EXPECT_EQ(LGSettings(), changed);
    EXPECT_TRUE(IsAutostartRegistered());
    EXPECT_EQ(LastPath(), u"F:\\Last\\");
}

}  // namespace
}  // namespace lg::win
