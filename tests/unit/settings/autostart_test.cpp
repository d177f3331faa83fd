#include "settings/autostart.h"

#include <gtest/gtest.h>

#include "support/memory_registry_store.h"

namespace lg {
namespace {

struct NameCase {
    const char* name;
    std::u16string_view exeFileName;
    std::u16string_view valueName;
};
void PrintTo(const NameCase& c, std::ostream* os) {
    *os << c.name;
}

class AutostartNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(AutostartNameTest, IsTheFileNameBeforeTheFirstDotExe) {
    EXPECT_EQ(AutostartValueName(GetParam().exeFileName), GetParam().valueName);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AutostartNameTest,
    ::testing::Values(NameCase{"usual", u"Lumigrab.exe", u"Lumigrab"},
                      NameCase{"renamed", u"Grab 2.exe", u"Grab 2"},
                      NameCase{"cyrillic", u"ЛюмиГРАБ.exe", u"ЛюмиГРАБ"},
                      // The first ".exe" counts, wherever it is.
                      NameCase{"twoExe", u"a.exe.exe", u"a"},
                      NameCase{"exeInside", u"Grab.exe.bak", u"Grab"},
                      // The search is case-sensitive; no match means the fixed name.
                      NameCase{"upperCase", u"LUMIGRAB.EXE", u"Lumigrab"},
                      NameCase{"noExtension", u"Lumigrab", u"Lumigrab"},
                      // An empty name would be the Run key's default value.
                      NameCase{"nothingBefore", u".exe", u"Lumigrab"},
                      NameCase{"empty", u"", u"Lumigrab"}),
    [](const auto& info) { return std::string(info.param.name); });

constexpr std::u16string_view kPath = u"C:\\Program Files\\x\\Lumigrab.exe";

class AutostartTest : public ::testing::Test {
protected:
    void SetUp() override {
        store.AddKey(kAutostartKey);
        store.WriteString(kAutostartKey, u"Other", u"C:\\Other.exe");
    }
    MemoryRegistryStore store;
};

TEST_F(AutostartTest, EnableWritesTheQuotedPathAndDisableRemovesIt) {
    ASSERT_TRUE(SetAutostart(store, true, u"Lumigrab.exe", kPath));
    // Unquoted, Windows would try to start "C:\Program".
    EXPECT_EQ(store.ReadString(kAutostartKey, u"Lumigrab"),
              u"\"C:\\Program Files\\x\\Lumigrab.exe\"");
    EXPECT_TRUE(IsAutostartRegistered(store, u"Lumigrab.exe"));

    ASSERT_TRUE(SetAutostart(store, false, u"Lumigrab.exe", kPath));
    EXPECT_FALSE(store.ValueExists(kAutostartKey, u"Lumigrab"));
    EXPECT_FALSE(IsAutostartRegistered(store, u"Lumigrab.exe"));
    EXPECT_EQ(store.ReadString(kAutostartKey, u"Other"), u"C:\\Other.exe");
}

// Reading and writing use the same name, so a renamed copy sees its own entry
// and a save with the box unticked never removes an entry it did not show.
TEST_F(AutostartTest, RenamedExecutableFindsItsOwnEntry) {
    ASSERT_TRUE(SetAutostart(store, true, u"Grab.exe", u"C:\\Grab.exe"));
    EXPECT_TRUE(IsAutostartRegistered(store, u"Grab.exe"));
    EXPECT_FALSE(IsAutostartRegistered(store, u"Lumigrab.exe"));
}

TEST_F(AutostartTest, DisablingAMissingEntryIsNoError) {
    EXPECT_TRUE(SetAutostart(store, false, u"Lumigrab.exe", kPath));
    EXPECT_EQ(store.ValueNames(kAutostartKey), std::vector<std::u16string>{u"Other"});
}

TEST(AutostartKeyTest, MissingRunKeyIsCreatedOnlyWhenEnabling) {
    MemoryRegistryStore store;
    EXPECT_TRUE(SetAutostart(store, false, u"Lumigrab.exe", kPath));
    EXPECT_FALSE(store.KeyExists(kAutostartKey));
    EXPECT_FALSE(IsAutostartRegistered(store, u"Lumigrab.exe"));

    EXPECT_TRUE(SetAutostart(store, true, u"Lumigrab.exe", kPath));
    EXPECT_TRUE(IsAutostartRegistered(store, u"Lumigrab.exe"));
}

TEST(AutostartKeyTest, RefusedRunKeyIsReportedAndReadsAsNotRegistered) {
    MemoryRegistryStore store;
    store.AddKey(kAutostartKey);
    store.WriteString(kAutostartKey, u"Lumigrab", u"x");
    store.Deny(kAutostartKey, true, true);
    EXPECT_FALSE(IsAutostartRegistered(store, u"Lumigrab.exe"));
    EXPECT_FALSE(SetAutostart(store, true, u"Lumigrab.exe", kPath));
    EXPECT_FALSE(SetAutostart(store, false, u"Lumigrab.exe", kPath));
}

}  // namespace
}  // namespace lg
