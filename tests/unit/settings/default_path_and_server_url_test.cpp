#include "settings/default_save_path.h"

#include <gtest/gtest.h>

#include "settings/server_url.h"
#include "support/memory_registry_store.h"

namespace lg {
namespace {

struct PathCase {
    const char* name;
    std::optional<std::u16string_view> pictures;
    std::u16string_view expected;
};
void PrintTo(const PathCase& c, std::ostream* os) {
    *os << c.name;
}

class DefaultSavePathTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(DefaultSavePathTest, AppendsTheProgramFolder) {
    EXPECT_EQ(DefaultSavePath(GetParam().pictures), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DefaultSavePathTest,
    ::testing::Values(PathCase{"plain", u"D:\\Pictures", u"D:\\Pictures\\ЛюмиГРАБ\\"},
                      PathCase{"trailingBackslash", u"D:\\Pictures\\", u"D:\\Pictures\\ЛюмиГРАБ\\"},
                      PathCase{"driveRoot", u"C:\\", u"C:\\ЛюмиГРАБ\\"},
                      PathCase{"share", u"\\\\srv\\home\\Pics", u"\\\\srv\\home\\Pics\\ЛюмиГРАБ\\"},
                      PathCase{"unknown", std::nullopt, u""},
                      // Not "\ЛюмиГРАБ\", a folder at the root of whatever drive is current.
                      PathCase{"emptyAnswer", u"", u""}),
    [](const auto& info) { return std::string(info.param.name); });

struct UrlCase {
    const char* name;
    void (*plant)(MemoryRegistryStore&);
    std::u16string_view expected;
};
void PrintTo(const UrlCase& c, std::ostream* os) {
    *os << c.name;
}

class ServerUrlOverrideTest : public ::testing::TestWithParam<UrlCase> {};

TEST_P(ServerUrlOverrideTest, IsTheStringOrEmpty) {
    MemoryRegistryStore store;
    GetParam().plant(store);
    EXPECT_EQ(ReadServerUrlOverride(store), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ServerUrlOverrideTest,
                         ::testing::Values(UrlCase{"noKey", [](MemoryRegistryStore&) {}, u""},
                                           UrlCase{"string",
                                                   [](MemoryRegistryStore& r) {
                                                       r.AddKey(kProgramKey);
                                                       r.WriteString(kProgramKey, u"ServerURL",
                                                                     u"https://img.local");
                                                   },
                                                   u"https://img.local"},
                                           UrlCase{"dword",
                                                   [](MemoryRegistryStore& r) {
                                                       r.AddKey(kProgramKey);
                                                       r.WriteDword(kProgramKey, u"ServerURL", 1);
                                                   },
                                                   u""}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lg
