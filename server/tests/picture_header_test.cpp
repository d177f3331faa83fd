#include "picture/picture_header.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "support/test_pictures.h"

namespace lg::srv {
namespace {

std::optional<PictureHeader> Read(const std::string& bytes) {
    return ReadPictureHeader(
        std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
}

TEST(PictureHeader, ReadsFormatAndSizeOfTheClientsPictures) {
    struct Case {
        const char* name;
        std::string bytes;
        PictureFormat format;
        uint32_t width, height;
    };
    const Case cases[] = {
        {"png", test::MakePng(37, 21, 1), PictureFormat::Png, 37, 21},
        {"png one pixel", test::MakePng(1, 1, 2), PictureFormat::Png, 1, 1},
        {"jpeg", test::MakeJpeg(640, 9, 3), PictureFormat::Jpeg, 640, 9},
        {"jpeg tall", test::MakeJpeg(8, 300, 4), PictureFormat::Jpeg, 8, 300},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto header = Read(c.bytes);
        ASSERT_TRUE(header.has_value());
        EXPECT_EQ(header->format, c.format);
        EXPECT_EQ(header->width, c.width);
        EXPECT_EQ(header->height, c.height);
    }
}

TEST(PictureHeader, RefusesWhatIsNoWholePicture) {
    const std::string png = test::MakePng(16, 16, 5);
    const std::string jpeg = test::MakeJpeg(16, 16, 6);
    auto edited = [](std::string s, size_t at, char c) {
        s[at] = c;
        return s;
    };
    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case cases[] = {
        {"empty", ""},
        {"text", "hello, this is not a picture at all"},
        {"gif", "GIF89a\x01\x00\x01\x00\x00\x00\x00;"},
        {"png signature only", png.substr(0, 8)},
        {"png cut before its end", png.substr(0, png.size() - 1)},
        {"png cut in half", png.substr(0, png.size() / 2)},
        {"png with a broken signature", edited(png, 1, 'Q')},
        {"png whose first chunk is not IHDR", edited(png, 12, 'X')},
        {"png of width 0", edited(edited(edited(edited(png, 16, 0), 17, 0), 18, 0), 19, 0)},
        {"png with bit depth 3", edited(png, 24, 3)},
        {"png with an unknown colour type", edited(png, 25, 5)},
        {"png with trailing bytes", png + "xx"},
        {"jpeg cut before its end", jpeg.substr(0, jpeg.size() - 2)},
        {"jpeg cut after its start", jpeg.substr(0, 2) + jpeg.substr(jpeg.size() - 2)},
        {"jpeg start marker only", std::string("\xFF\xD8\xFF\xD9", 4)},
        {"jpeg with a segment running past the end",
         std::string("\xFF\xD8\xFF\xE0\x7F\xFF\x00\x00\xFF\xD9", 10)},
        {"jpeg with scan data before any frame",
         std::string("\xFF\xD8\xFF\xDA\x00\x02\xFF\xD9", 8)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(Read(c.bytes).has_value());
    }
}

}  // namespace
}  // namespace lg::srv
