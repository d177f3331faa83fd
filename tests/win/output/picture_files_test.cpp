// Pictures written to disk: every format holds the picture's pixels, and
// the automatic copy never replaces an earlier picture.
#include "output/picture_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "output/bmp_encoder.h"
#include "output/long_path.h"
#include "platform/u16.h"
#include "png_decode.h"
#include "scratch_folder.h"
#include "settings/settings.h"
#include "test_picture.h"

namespace lg::win {
namespace {

using test::FolderNames;
using test::PlantFile;
using test::ReadWholeFile;
using test::ScratchFolder;
using test::TestPicture;

const TestPicture kPicture(13, 7, 16);
constexpr LocalDateTime kTime = {2026, 12, 8, 23, 5, 59};

std::vector<std::wstring> Sorted(std::vector<std::wstring> v) {
    std::sort(v.begin(), v.end());
    return v;
}

TEST(WritePictureFileTest, LosslessFormatsReadBackAsThePicture) {
    ScratchFolder dir(L"formats");
    const std::wstring png = dir / L"снимок.png";
    ASSERT_TRUE(WritePictureFile(kPicture.View(), png, PictureFormat::kPng).ok());
    const auto decoded = test::DecodePng(ReadWholeFile(png));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->width, kPicture.width);
    EXPECT_EQ(decoded->height, kPicture.height);
    EXPECT_EQ(decoded->rgb, kPicture.Rgb());

    const std::wstring bmp = dir / L"снимок.bmp";
    ASSERT_TRUE(WritePictureFile(kPicture.View(), bmp, PictureFormat::kBmp).ok());
    const std::vector<uint8_t> file = ReadWholeFile(bmp);
    ASSERT_GT(file.size(), 14u);
    EXPECT_EQ(file[0], 'B');
    int w = 0, h = 0;
    EXPECT_EQ(test::DibRgb(file.data() + 14, file.size() - 14, w, h), kPicture.Rgb());

    const std::wstring jpg = dir / L"снимок.jpg";
    ASSERT_TRUE(WritePictureFile(kPicture.View(), jpg, PictureFormat::kJpeg).ok());
    const std::vector<uint8_t> jpeg = ReadWholeFile(jpg);
    ASSERT_GE(jpeg.size(), 4u);
    EXPECT_EQ(jpeg[0], 0xFF);
    EXPECT_EQ(jpeg[1], 0xD8);
    EXPECT_EQ(jpeg[jpeg.size() - 2], 0xFF);  // ends with EOI: written whole
    EXPECT_EQ(jpeg[jpeg.size() - 1], 0xD9);
}

TEST(WritePictureFileTest, UnencodablePictureLeavesTheOldFile) {
    ScratchFolder dir(L"unencodable");
    const std::wstring path = dir / L"old.png";
    ASSERT_TRUE(PlantFile(path, {1, 2, 3}));
    const FileWriteResult r = WritePictureFile(ImageView32{}, path, PictureFormat::kPng);
    EXPECT_FALSE(r.ok());
    EXPECT_FALSE(r.reason.empty());
    EXPECT_EQ(ReadWholeFile(path), (std::vector<uint8_t>{1, 2, 3}));
}

TEST(SaveDatedCopyTest, SameSecondGetsTheNextFreeNumber) {
    ScratchFolder dir(L"dated");
    const std::wstring folder = dir / L"ЛюмиГРАБ\\новая\\";  // does not exist yet
    std::vector<std::wstring> written;
    for (int i = 0; i < 3; ++i) {
        const SavedPicture saved = SaveDatedCopy(kPicture.View(), AsU16(folder), 0, kTime);
        ASSERT_TRUE(saved.result.ok()) << saved.result.error;
        written.push_back(saved.path);
    }
    const std::wstring base = folder + L"Скриншот 08.12.26_23.05.59";
    EXPECT_EQ(written,
              (std::vector<std::wstring>{base + L".png", base + L" (2).png", base + L" (3).png"}));
    // The first picture survived the later ones: every file holds the picture.
    for (const std::wstring& path : written) {
        const auto decoded = test::DecodePng(ReadWholeFile(path));
        ASSERT_TRUE(decoded) << WideToUtf8(path);
        EXPECT_EQ(decoded->rgb, kPicture.Rgb());
    }
    EXPECT_EQ(FolderNames(folder).size(), 3u);
}

TEST(SaveDatedCopyTest, FormatSettingPicksTheExtensionAndOtherTypesDoNotClash) {
    ScratchFolder dir(L"types");
    const std::wstring base = dir.path() + L"Скриншот 08.12.26_23.05.59";
    ASSERT_TRUE(PlantFile(base + L".png", {0}));  // a PNG of the same second
    const struct {
        int format;
        std::wstring expected;
    } cases[] = {
        {1, base + L".jpg"},
        {2, base + L".bmp"},
        {7, base + L" (2).png"},  // unknown format: PNG, and the PNG name is taken
    };
    for (const auto& c : cases) {
        const SavedPicture saved =
            SaveDatedCopy(kPicture.View(), AsU16(dir.path()), c.format, kTime);
        ASSERT_TRUE(saved.result.ok()) << c.format;
        EXPECT_EQ(saved.path, c.expected) << c.format;
    }
    // A folder without a trailing backslash is joined with one.
    std::wstring bare = dir.path();
    bare.pop_back();
    EXPECT_EQ(SaveDatedCopy(kPicture.View(), AsU16(bare), 2, kTime).path, base + L" (2).bmp");
}

TEST(SaveDatedCopyTest, NamesTakenByFoldersAreSkippedAndAnExhaustedNameFails) {
    ScratchFolder dir(L"taken");
    const std::wstring base = dir.path() + L"Скриншот 08.12.26_23.05.59";
    ASSERT_TRUE(CreateDirectoryW((base + L".bmp").c_str(), nullptr));
    EXPECT_EQ(SaveDatedCopy(kPicture.View(), AsU16(dir.path()), 2, kTime).path, base + L" (2).bmp");

    for (int n = 3; n <= kMaxPictureNumber; ++n) {
        ASSERT_TRUE(PlantFile(base + L" (" + std::to_wstring(n) + L").bmp", {}));
    }
    const SavedPicture saved = SaveDatedCopy(kPicture.View(), AsU16(dir.path()), 2, kTime);
    EXPECT_FALSE(saved.result.ok());
    EXPECT_TRUE(saved.path.empty());
    EXPECT_EQ(saved.result.reason, L"Все имена файла для этой секунды заняты.");
    EXPECT_EQ(FolderNames(dir.path()).size(), static_cast<size_t>(kMaxPictureNumber));
}

TEST(SaveDatedCopyTest, LongCyrillicFolder) {
    ScratchFolder dir(L"longcopy");
    std::wstring folder = dir.path();
    while (folder.size() < 320) folder += L"Снимки экрана за декабрь две тысячи двадцать шестого\\";
    const SavedPicture first = SaveDatedCopy(kPicture.View(), AsU16(folder), 0, kTime);
    const SavedPicture second = SaveDatedCopy(kPicture.View(), AsU16(folder), 0, kTime);
    ASSERT_TRUE(first.result.ok()) << first.result.error;
    ASSERT_TRUE(second.result.ok()) << second.result.error;
    EXPECT_EQ(Sorted(FolderNames(folder)),
              (std::vector<std::wstring>{L"Скриншот 08.12.26_23.05.59 (2).png",
                                         L"Скриншот 08.12.26_23.05.59.png"}));
    const auto decoded = test::DecodePng(ReadWholeFile(second.path));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->rgb, kPicture.Rgb());
}

TEST(SaveDatedCopyTest, NoFolderIsAFailureNotTheCurrentFolder) {
    const SavedPicture saved = SaveDatedCopy(kPicture.View(), u"", 0, kTime);
    EXPECT_FALSE(saved.result.ok());
    EXPECT_EQ(saved.result.reason, L"Папка для сохранения не задана.");
}

TEST(SaveLocalCopyTest, FollowsTheSettings) {
    ScratchFolder dir(L"local");
    TLGSettings& settings = LGSettings();
    const TLGSettings before = settings;
    settings.path = AsU16(dir.path());
    settings.format = 2;

    settings.SaveLocal = false;
    EXPECT_FALSE(SaveLocalCopy(kPicture.View()).has_value());
    EXPECT_TRUE(FolderNames(dir.path()).empty());

    settings.SaveLocal = true;
    const std::optional<SavedPicture> saved = SaveLocalCopy(kPicture.View());
    settings = before;
    ASSERT_TRUE(saved.has_value());
    ASSERT_TRUE(saved->result.ok());
    const std::wstring name = saved->path.substr(dir.path().size());
    EXPECT_TRUE(name.starts_with(L"Скриншот ")) << WideToUtf8(name);
    EXPECT_TRUE(name.ends_with(L".bmp")) << WideToUtf8(name);
    EXPECT_EQ(FolderNames(dir.path()), std::vector<std::wstring>{name});
}

}  // namespace
}  // namespace lg::win
