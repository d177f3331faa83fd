// The update list's reply cut and the version comparison, with the dates the
// notice moves forward.
#include "update/update_check.h"

#include <gtest/gtest.h>

namespace lg {
namespace {

struct ReplyCase {
    const char* name;
    std::u16string_view reply;
    bool blank;
    std::u16string_view version;
    bool newerThan20;
};
void PrintTo(const ReplyCase& c, std::ostream* os) {
    *os << c.name;
}

class UpdateReplyTest : public testing::TestWithParam<ReplyCase> {};

TEST_P(UpdateReplyTest, CutAndCompareWithTwoPointZero) {
    const ReplyCase& c = GetParam();
    EXPECT_EQ(UpdateReplyIsBlank(c.reply), c.blank);
    if (c.blank) return;
    EXPECT_EQ(UpdateReplyVersion(c.reply), c.version);
    EXPECT_EQ(IsNewerVersion(u"2.0", UpdateReplyVersion(c.reply), true), c.newerThan20);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UpdateReplyTest,
    testing::Values(ReplyCase{"same", u"ver=2.0\r\n", false, u"2.0", false},
                    ReplyCase{"minorNewer", u"ver=2.1\r\n", false, u"2.1", true},
                    ReplyCase{"older", u"ver=1.9\r\n", false, u"1.9", false},
                    ReplyCase{"threePartsCountAsNewer", u"ver=2.0.1\r\n", false, u"2.0.1", true},
                    ReplyCase{"onePartCountsAsNewer", u"ver=3\r\n", false, u"3", true},
                    ReplyCase{"notANumberIsZero", u"ver=2.x\r\n", false, u"2.x", false},
                    ReplyCase{"noEqualsSignTakesTheFirstLine", u"2.1\r\nmore lines\r\n", false,
                              u"2.1", true},
                    ReplyCase{"noLineEndRunsToTheEnd", u"name=2.1", false, u"2.1", true},
                    // "b=2" is no number: 0.1 is older than 2.0.
                    ReplyCase{"onlyTheFirstEqualsCounts", u"a=b=2.1\r\n", false, u"b=2.1", false},
                    // " 2" is no decimal number either.
                    ReplyCase{"notTrimmed", u"ver= 2.1\r\n", false, u" 2.1", false},
                    ReplyCase{"anErrorPageCountsAsNewer", u"<html><body>Not found</body></html>",
                              false, u"<html><body>Not found</body></html>", true},
                    ReplyCase{"majorOlderMinorNewer", u"ver=1.5\r\n", false, u"1.5", false},
                    ReplyCase{"empty", u"", true, u"", false},
                    ReplyCase{"spacesOnly", u"   \r\n\t ", true, u"", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SplitByDelimiter, PiecesIncludingEmptyOnes) {
    using V = std::vector<std::u16string>;
    EXPECT_EQ(SplitByDelimiter(u"", u"."), V{});
    EXPECT_EQ(SplitByDelimiter(u"2", u"."), V{u"2"});
    EXPECT_EQ(SplitByDelimiter(u"2.0", u"."), (V{u"2", u"0"}));
    EXPECT_EQ(SplitByDelimiter(u".", u"."), (V{u"", u""}));
    EXPECT_EQ(SplitByDelimiter(u"1.2,3", u".,"), (V{u"1", u"2", u"3"}));
}

TEST(IsNewerVersion, FourPartsWhenNotShort) {
    EXPECT_FALSE(IsNewerVersion(u"2.0.0.0", u"2.0.0.0", false));
    EXPECT_TRUE(IsNewerVersion(u"2.0.0.0", u"2.0.0.1", false));
    EXPECT_FALSE(IsNewerVersion(u"2.0.0.10", u"2.0.0.9", false)) << "numbers, not text";
    EXPECT_TRUE(IsNewerVersion(u"2.0.0.0", u"2.1", false)) << "wrong number of parts";
    EXPECT_TRUE(IsNewerVersion(u"", u"2.1", true)) << "an unreadable own version";
}

TEST(UpdateDateAfterClose, TomorrowTheFirstTimeThenFiveDays) {
    const double today = 46000;  // a day count, as the settings keep dates
    EXPECT_EQ(UpdateDateAfterClose(today, 0), today + 1);
    EXPECT_EQ(UpdateDateAfterClose(today, today - 3), today + 5);
}

}  // namespace
}  // namespace lg
