#include "upload/part_rules.h"

#include <gtest/gtest.h>

namespace lg::srv {
namespace {

TEST(PartRules, UserHashIs32LowerCaseHexDigits) {
    struct Case {
        std::string_view text;
        bool ok;
    };
    const Case cases[] = {
        {"0cc175b9c0f1b6a831c399e269772661", true},
        {"d41d8cd98f00b204e9800998ecf8427e", true},  // digest of the empty text
        {"0CC175B9C0F1B6A831C399E269772661", false},
        {"0cc175b9c0f1b6a831c399e26977266", false},
        {"0cc175b9c0f1b6a831c399e2697726610", false},
        {"0cc175b9c0f1b6a831c399e26977266g", false},
        {"0cc175b9c0f1b6a831c399e26977266 ", false},
        {"", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsUserHash(c.text), c.ok) << c.text;
}

TEST(PartRules, FormatTagIsExactlyPngOrJpg) {
    EXPECT_EQ(ParseFormatTag(".PNG"), PictureFormat::Png);
    EXPECT_EQ(ParseFormatTag(".JPG"), PictureFormat::Jpeg);
    for (std::string_view bad : {".png", ".jpg", "PNG", ".JPEG", ".GIF", ".PNG ", ""}) {
        EXPECT_FALSE(ParseFormatTag(bad).has_value()) << bad;
    }
}

TEST(PartRules, FileNameIsAPlainName) {
    struct Case {
        std::string_view text;
        bool ok;
    };
    const Case cases[] = {
        {"TMP_SCREEN_NAME9e3669d19b675bd57058fd4664205d2a", true},
        {"shot-1.png", true},
        {"", false},
        {"../etc/passwd", false},
        {"..", false},
        {"a/b", false},
        {"a\\b", false},
        {"name with space", false},
        {std::string_view("a\0b", 3), false},
        {"имя", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsPlainFileName(c.text), c.ok) << c.text;
    EXPECT_TRUE(IsPlainFileName(std::string(128, 'a')));
    EXPECT_FALSE(IsPlainFileName(std::string(129, 'a')));
}

}  // namespace
}  // namespace lg::srv
