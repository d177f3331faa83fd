#include "store/picture_id.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace lg::srv {
namespace {

TEST(PictureId, TwelveBase62CharactersEachEquallyLikely) {
    constexpr int kIds = 20000;
    std::map<char, int> counts;
    std::set<std::string> seen;
    for (int i = 0; i < kIds; ++i) {
        const std::string id = NewPictureId();
        ASSERT_TRUE(IsPictureId(id)) << id;
        seen.insert(id);
        for (char c : id) ++counts[c];
    }
    EXPECT_EQ(seen.size(), size_t{kIds});
    ASSERT_EQ(counts.size(), 62u);
    // Taking a byte modulo 62 without dropping the top would make the
    // first eight characters a fifth more likely; the bound is six standard
    // deviations, far inside that.
    const double expected = kIds * 12.0 / 62.0;
    for (const auto& [c, n] : counts) EXPECT_NEAR(n, expected, expected * 0.1) << c;
}

TEST(PictureId, WellFormedIdsOnly) {
    EXPECT_TRUE(IsPictureId("aZ09bY18cX27"));
    for (std::string_view bad : {"aZ09bY18cX2", "aZ09bY18cX27a", "aZ09bY18cX2.", "../../etc/pa",
                                 "aZ09bY18cX2/", "aZ09bY18cX2-", ""}) {
        EXPECT_FALSE(IsPictureId(bad)) << bad;
    }
}

TEST(DeleteSecret, Is128BitsOfHex) {
    const std::string a = NewDeleteSecret(), b = NewDeleteSecret();
    EXPECT_TRUE(IsDeleteSecret(a));
    EXPECT_NE(a, b);
    EXPECT_FALSE(IsDeleteSecret(a.substr(1)));
    EXPECT_FALSE(IsDeleteSecret("0123456789ABCDEF0123456789abcdef"));
}

}  // namespace
}  // namespace lg::srv
