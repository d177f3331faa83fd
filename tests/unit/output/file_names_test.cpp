// Picture file names: the dated base name, the format table and the free
// name an automatic copy takes when its dated name is already used.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "output/file_names.h"
#include "output/picture_format.h"
#include "test_pictures.h"

namespace lg {
namespace {

TEST(ScreenshotBaseNameTest, DayMonthTwoDigitYearThen24HourTime) {
    struct Case {
        const char* why;
        LocalDateTime time;
        std::u16string_view expected;
    };
    const Case cases[] = {
        {"late evening, one-digit day and minute padded",
         {2026, 12, 8, 23, 5, 59},
         u"Скриншот 08.12.26_23.05.59"},
        {"midnight on New Year's day", {2030, 1, 1, 0, 0, 0}, u"Скриншот 01.01.30_00.00.00"},
        {"a year ending in 0x keeps its leading zero",
         {2105, 10, 31, 12, 30, 9},
         u"Скриншот 31.10.05_12.30.09"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ScreenshotBaseName(c.time), c.expected) << c.why;
    }
}

TEST(PictureFormatTest, FormatSettingPicksExtensionAndEncoder) {
    struct Case {
        int format;
        std::u16string_view extension;
        std::vector<uint8_t> magic;  // the first bytes of a file of that type
    };
    const Case cases[] = {
        {0, u".png", {0x89, 'P', 'N', 'G'}},
        {1, u".jpg", {0xFF, 0xD8, 0xFF}},
        {2, u".bmp", {'B', 'M'}},
        // Numbers no settings window offers fall back to the lossless default.
        {3, u".png", {0x89, 'P', 'N', 'G'}},
        {-1, u".png", {0x89, 'P', 'N', 'G'}},
    };
    const test::Picture picture = test::Photo(9, 5);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        const PictureFormat format = PictureFormatOf(c.format);
        EXPECT_EQ(ExtensionOf(format), c.extension);
        std::vector<uint8_t> file;
        ASSERT_EQ(EncodePicture(picture.View(), format, file), EncodeStatus::kOk);
        ASSERT_GE(file.size(), c.magic.size());
        EXPECT_EQ(std::vector<uint8_t>(file.begin(), file.begin() + c.magic.size()), c.magic);
    }
}

TEST(PictureFormatTest, EncoderFailureLeavesTheBufferAsItWas) {
    std::vector<uint8_t> out = {1, 2, 3};
    EXPECT_EQ(EncodePicture(ImageView32{}, PictureFormat::kBmp, out), EncodeStatus::kEmptyImage);
    EXPECT_EQ(out, (std::vector<uint8_t>{1, 2, 3}));
}

TEST(JoinFolderTest, OneSeparatorBetweenFolderAndName) {
    EXPECT_EQ(JoinFolder(u"D:\\Снимки\\", u"a.png"), u"D:\\Снимки\\a.png");
    EXPECT_EQ(JoinFolder(u"D:\\Снимки", u"a.png"), u"D:\\Снимки\\a.png");
    EXPECT_EQ(JoinFolder(u"D:/x/", u"a.png"), u"D:/x/a.png");
    EXPECT_EQ(JoinFolder(u"", u"a.png"), u"a.png");
}

// A folder of existing names; records every name that was asked about.
struct FakeFolder {
    std::set<std::u16string> files;
    std::vector<std::u16string> asked;
    PathPredicate Exists() {
        return [this](std::u16string_view name) {
            asked.emplace_back(name);
            return files.count(std::u16string(name)) != 0;
        };
    }
};

constexpr std::u16string_view kBase = u"Скриншот 08.12.26_23.05.59";

TEST(FreePictureNameTest, TakenNameGetsTheFirstFreeNumberBeforeTheExtension) {
    struct Case {
        const char* why;
        std::set<std::u16string> existing;
        std::u16string_view expected;
    };
    const Case cases[] = {
        {"free dated name is used as it is", {}, u"P\\Скриншот 08.12.26_23.05.59.png"},
        {"second picture in the same second",
         {u"P\\Скриншот 08.12.26_23.05.59.png"},
         u"P\\Скриншот 08.12.26_23.05.59 (2).png"},
        {"third picture in the same second",
         {u"P\\Скриншот 08.12.26_23.05.59.png", u"P\\Скриншот 08.12.26_23.05.59 (2).png"},
         u"P\\Скриншот 08.12.26_23.05.59 (3).png"},
        {"a gap left by a deleted copy is filled",
         {u"P\\Скриншот 08.12.26_23.05.59.png", u"P\\Скриншот 08.12.26_23.05.59 (3).png"},
         u"P\\Скриншот 08.12.26_23.05.59 (2).png"},
        {"another type of the same name is no conflict",
         {u"P\\Скриншот 08.12.26_23.05.59.jpg"},
         u"P\\Скриншот 08.12.26_23.05.59.png"},
    };
    for (const Case& c : cases) {
        FakeFolder folder{c.existing, {}};
        EXPECT_EQ(FreePictureName(u"P\\", kBase, u".png", folder.Exists()), c.expected) << c.why;
    }
}

TEST(FreePictureNameTest, GivesUpWhenEveryNumberIsTaken) {
    FakeFolder folder;
    auto allTaken = [&folder](std::u16string_view name) {
        folder.asked.emplace_back(name);
        return true;
    };
    EXPECT_EQ(FreePictureName(u"P\\", kBase, u".bmp", allTaken), std::nullopt);
    // Every candidate was tried once, the last with the highest number.
    ASSERT_EQ(folder.asked.size(), static_cast<size_t>(kMaxPictureNumber));
    EXPECT_EQ(folder.asked.back(), u"P\\Скриншот 08.12.26_23.05.59 (999).bmp");
    EXPECT_EQ(std::set<std::u16string>(folder.asked.begin(), folder.asked.end()).size(),
              folder.asked.size());
}

TEST(FreePictureNameTest, HighestNumberIsStillOffered) {
    FakeFolder folder;
    folder.files.insert(u"P\\Скриншот 08.12.26_23.05.59.jpg");
    for (int n = 2; n < kMaxPictureNumber; ++n) {
        const std::string digits = std::to_string(n);
        folder.files.insert(u"P\\Скриншот 08.12.26_23.05.59 (" +
                            std::u16string(digits.begin(), digits.end()) + u").jpg");
    }
    EXPECT_EQ(FreePictureName(u"P", kBase, u".jpg", folder.Exists()),
              u"P\\Скриншот 08.12.26_23.05.59 (999).jpg");
}

}  // namespace
}  // namespace lg
