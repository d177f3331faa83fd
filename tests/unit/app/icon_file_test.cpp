#include "app/icon_file.h"

#include <gtest/gtest.h>

#include "app/app_icon.h"

namespace lg {
namespace {

uint32_t Le16(const std::vector<uint8_t>& b, size_t at) {
    return b.at(at) | (static_cast<uint32_t>(b.at(at + 1)) << 8);
}

uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
    return Le16(b, at) | (Le16(b, at + 2) << 16);
}

// A 2 × 2 picture and a 33-pixel one (its mask rows take two words) show
// where every pixel and mask bit lands.
TEST(IconFileTest, DirectoryBitmapsAndMasksLieWhereTheShellReadsThem) {
    const IconImage small{2, {0xFF000001, 0x00000002, 0x80000003, 0xFF000004}};
    IconImage wide{33, std::vector<uint32_t>(33 * 33, 0xFF102030)};
    wide.pixels[32] = 0;  // top row, last pixel: clear
    const std::vector<IconImage> images{small, wide, {256, std::vector<uint32_t>(256 * 256)}};
    const std::vector<uint8_t> ico = EncodeIcoFile(images);

    ASSERT_GE(ico.size(), 6u + 3 * 16);
    EXPECT_EQ(Le16(ico, 0), 0u);
    EXPECT_EQ(Le16(ico, 2), 1u);
    EXPECT_EQ(Le16(ico, 4), 3u);
    const size_t sizes[] = {40 + 2 * 2 * 4 + 4 * 2, 40 + 33 * 33 * 4 + 8 * 33,
                            40 + 256 * 256 * 4 + 32 * 256};
    size_t expectOffset = 6 + 3 * 16;
    for (size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const size_t e = 6 + 16 * i;
        EXPECT_EQ(ico[e], images[i].size & 0xFF);  // 256 is stored as 0
        EXPECT_EQ(Le16(ico, e + 6), 32u);
        EXPECT_EQ(Le32(ico, e + 8), sizes[i]);
        EXPECT_EQ(Le32(ico, e + 12), expectOffset);
        const size_t h = expectOffset;
        EXPECT_EQ(Le32(ico, h), 40u);
        EXPECT_EQ(Le32(ico, h + 4), static_cast<uint32_t>(images[i].size));
        EXPECT_EQ(Le32(ico, h + 8), static_cast<uint32_t>(images[i].size * 2));
        expectOffset += sizes[i];
    }
    EXPECT_EQ(ico.size(), expectOffset);

    // The 2 × 2 image: rows bottom-up, pixels as B, G, R, A; the mask has a
    // bit for the clear pixel only (top row, right).
    const size_t px = 6 + 3 * 16 + 40;
    EXPECT_EQ(Le32(ico, px + 0), 0x80000003u);
    EXPECT_EQ(Le32(ico, px + 4), 0xFF000004u);
    EXPECT_EQ(Le32(ico, px + 8), 0xFF000001u);
    EXPECT_EQ(Le32(ico, px + 12), 0x00000002u);
    EXPECT_EQ(ico[px + 16], 0x00);  // bottom row
    EXPECT_EQ(ico[px + 20], 0x40);  // top row: x = 1
    // The 33-pixel image's top row is its last mask row: bit 32 is in the
    // second word.
    const size_t mask33 = 6 + 3 * 16 + sizes[0] + 40 + 33 * 33 * 4;
    EXPECT_EQ(Le32(ico, mask33 + 32 * 8), 0u);
    EXPECT_EQ(ico[mask33 + 32 * 8 + 4], 0x80);
}

TEST(IconFileTest, ImagesThatCannotBeStoredGiveNothing) {
    const struct {
        const char* what;
        std::vector<IconImage> images;
    } cases[] = {
        {"no image", {}},
        {"zero size", {{0, {}}}},
        {"above 256", {{257, std::vector<uint32_t>(257 * 257)}}},
        {"pixels short of the size", {{4, std::vector<uint32_t>(15)}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_TRUE(EncodeIcoFile(c.images).empty());
    }
}

TEST(IconFileTest, AppIconHoldsTheDrawingAtEachSize) {
    const int sizes[] = {16, 32};
    const std::vector<uint8_t> ico = AppIconFile(sizes);
    ASSERT_EQ(Le16(ico, 4), 2u);
    // The top row's middle pixel of the 32-pixel image (the last row stored).
    const size_t image = Le32(ico, 6 + 16 + 12);
    const size_t topRow = image + 40 + 31 * 32 * 4;
    EXPECT_EQ(Le32(ico, topRow + 16 * 4), DrawAppIcon(32)[16]);
}

}  // namespace
}  // namespace lg
