// The names an upload carries: the file name from a random number, the
// user hash from the volume serial, and the volume root it is read from.
#include "output/upload/upload_names.h"

#include <gtest/gtest.h>

namespace lg {
namespace {

TEST(UploadNamesTest, FileNameIsTheDigestOfTheNumbersDecimalText) {
    struct Case {
        int random;
        std::string_view name;
    };
    const Case cases[] = {
        {0, "TMP_SCREEN_NAMEcfcd208495d565ef66e7dff9f98764da"},
        {12345, "TMP_SCREEN_NAME827ccb0eea8a706c4c34a16891f84e7b"},
        {kUploadNameRandomMax, "TMP_SCREEN_NAMEfacf1f36bbcf6f3cefd7429e61999d26"},
    };
    for (const Case& c : cases) EXPECT_EQ(UploadFileName(c.random), c.name) << c.random;
}

TEST(UploadNamesTest, SystemHashIsTheDigestOfTheSerialAsUnsignedDecimal) {
    struct Case {
        std::optional<std::uint32_t> serial;
        std::string_view hash;
        const char* why;
    };
    const Case cases[] = {
        {std::nullopt, "d41d8cd98f00b204e9800998ecf8427e", "unreadable: the empty text's digest"},
        {0u, "cfcd208495d565ef66e7dff9f98764da", "zero is \"0\", not empty"},
        {0xAC15E04Du, "bfc9600a75ea4223bff50be1d7a40fa8", "high bit set: no minus sign"},
        {0xFFFFFFFFu, "7ba34a7c9344df2acabdb0146b9e15e3", "the largest serial"},
    };
    for (const Case& c : cases) EXPECT_EQ(SystemHashOfSerial(c.serial), c.hash) << c.why;
}

TEST(UploadNamesTest, VolumeRootIsTheFirstThreeCharactersTrimmed) {
    struct Case {
        std::u16string_view windowsDirectory;
        std::u16string_view root;
        const char* why;
    };
    const Case cases[] = {
        {u"C:\\Windows", u"C:\\", "the usual"},
        {u"  D:\\WINNT  ", u"D:\\", "spaces around the whole answer"},
        {u"E:", u"E:", "shorter than three characters"},
        {u"", u"c:\\", "no answer"},
        {u"   ", u"c:\\", "only spaces"},
        {u"\\\\server\\share\\Windows", u"\\\\s", "a network path keeps its first three"},
        {u"F: \\Windows", u"F:", "a space within the three is trimmed off"},
    };
    for (const Case& c : cases) EXPECT_EQ(SystemVolumeRoot(c.windowsDirectory), c.root) << c.why;
}

}  // namespace
}  // namespace lg
