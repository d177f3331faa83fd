// What the upload sends for each `format` setting: BMP goes as PNG.
#include "output/upload/upload_format.h"

#include <gtest/gtest.h>

namespace lg {
namespace {

TEST(UploadFormatTest, JpegOnlyForTheJpegSettingEverythingElsePng) {
    struct Case {
        int setting;
        PictureFormat format;
        std::string_view tag;
        std::vector<std::uint8_t> magic;
    };
    const Case cases[] = {
        {0, PictureFormat::kPng, ".PNG", {0x89, 'P', 'N', 'G'}},
        {1, PictureFormat::kJpeg, ".JPG", {0xFF, 0xD8, 0xFF}},
        {2, PictureFormat::kPng, ".PNG", {0x89, 'P', 'N', 'G'}},
        {7, PictureFormat::kPng, ".PNG", {0x89, 'P', 'N', 'G'}},
    };
    const std::uint32_t pixels[4] = {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFFFFFFFFu};
    const ImageView32 picture{pixels, 2, 2, 2};
    for (const Case& c : cases) {
        const UploadEncoding e = UploadEncodingOf(c.setting);
        EXPECT_EQ(e.format, c.format) << c.setting;
        EXPECT_EQ(e.tag, c.tag) << c.setting;
        std::vector<std::uint8_t> file;
        ASSERT_EQ(EncodeForUpload(picture, c.setting, file), EncodeStatus::kOk) << c.setting;
        ASSERT_GE(file.size(), c.magic.size());
        EXPECT_TRUE(std::equal(c.magic.begin(), c.magic.end(), file.begin())) << c.setting;
    }
}

}  // namespace
}  // namespace lg
