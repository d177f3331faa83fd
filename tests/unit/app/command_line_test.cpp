#include "app/command_line.h"
#include "app/font_files.h"

#include <gtest/gtest.h>

#include <vector>

namespace lg {
namespace {

TEST(CommandLineTest, OnlyExactlyOneLowerCaseInstallArgument) {
    struct Case {
        std::vector<std::u16string_view> args;
        bool welcome;
        const char* why;
    };
    const Case cases[] = {
        {{}, false, "an ordinary start"},
        {{u"/install"}, true, "the installer's start"},
        {{u"/INSTALL"}, false, "compared case-sensitively"},
        {{u"/install", u"x"}, false, "a second argument cancels it"},
        {{u"x", u"/install"}, false, "it must be the only argument"},
        {{u"install"}, false, "the slash belongs to it"},
        {{u"/install "}, false, "no trimming"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsInstallRequest(c.args), c.welcome) << c.why;
    }
}

TEST(FontFilesTest, RegistersTtfAndOtfWhateverTheirCase) {
    struct Case {
        std::u16string_view name;
        bool font;
    };
    const Case cases[] = {
        {u"Roboto-Regular.ttf", true},
        {u"NOTO.TTF", true},
        {u"x.OtF", true},
        {u"fonts.ttc", false},
        {u"readme.txt", false},
        {u"ttf", false},
        {u".ttf", true},
        {u"a.ttf.bak", false},
        {u"a.ttfx", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsPrivateFontFileName(c.name), c.font)
            << std::string(c.name.begin(), c.name.end());
    }
}

}  // namespace
}  // namespace lg
