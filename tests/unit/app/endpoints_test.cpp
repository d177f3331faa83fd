#include "app/endpoints.h"

#include <gtest/gtest.h>

namespace lg {
namespace {

struct BaseCase {
    const char* name;
    const char* override;
    const char* expected;  // nullptr: the built-in base
};

class ServerBaseTest : public ::testing::TestWithParam<BaseCase> {};

TEST_P(ServerBaseTest, PicksOverrideOnlyWhenUsable) {
    const BaseCase& c = GetParam();
    std::string expected = c.expected ? c.expected : DefaultServerBase();
    EXPECT_EQ(ServerBase(c.override), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ServerBaseTest,
    ::testing::Values(
        // An absent registry value arrives as an empty string.
        BaseCase{"empty", "", nullptr},
        BaseCase{"plain", "https://img.corp.local", "https://img.corp.local"},
        // base + "/updates.txt" must not give "//updates.txt".
        BaseCase{"trailingSlash", "https://localhost:8443/", "https://localhost:8443"},
        BaseCase{"upperScheme", "HTTPS://Host", "HTTPS://Host"},
        // Pictures must never travel unencrypted.
        BaseCase{"plainHttp", "http://host", nullptr}, BaseCase{"noHost", "https://", nullptr},
        BaseCase{"noHostPath", "https:///x", nullptr}, BaseCase{"space", "https://a b", nullptr},
        BaseCase{"notUrl", "lumigrab", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EndpointsTest, BuiltInBaseIsHttpsWithoutTrailingSlash) {
    std::string base = DefaultServerBase();
    EXPECT_EQ(base.rfind("https://", 0), 0u);
    EXPECT_NE(base.back(), '/');
}

TEST(EndpointsTest, AddressJoinsBaseAndPath) {
    EXPECT_EQ(ServerAddress("https://h", endpoint::kImageGate),
              "https://h/i/index.php?r=user/imggate");
    EXPECT_EQ(ServerAddress("https://h", endpoint::kHome), "https://h/");
}

}  // namespace
}  // namespace lg
