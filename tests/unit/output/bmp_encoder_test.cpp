#include "output/bmp_encoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "output/test_pictures.h"

namespace lg {
namespace {

uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
    return uint32_t{b[at]} | uint32_t{b[at + 1]} << 8 | uint32_t{b[at + 2]} << 16 |
           uint32_t{b[at + 3]} << 24;
}
uint16_t Le16(const std::vector<uint8_t>& b, size_t at) {
    return static_cast<uint16_t>(b[at] | b[at + 1] << 8);
}

struct SizeCase {
    const char* name;
    int width;
    int height;
    uint32_t rowBytes;  // 3 bytes a pixel, padded to a multiple of 4
};

class BmpFile : public ::testing::TestWithParam<SizeCase> {};

TEST_P(BmpFile, HeaderFieldsAndBottomUpRows) {
    const SizeCase& c = GetParam();
    const test::Picture picture = test::Noise(c.width, c.height, 7, c.width + 2);
    std::vector<uint8_t> file;
    ASSERT_EQ(EncodeBmp(picture.View(), file), EncodeStatus::kOk);

    const uint32_t pixelBytes = c.rowBytes * static_cast<uint32_t>(c.height);
    ASSERT_EQ(file.size(), 54u + pixelBytes);
    // BITMAPFILEHEADER
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(Le32(file, 2), file.size());  // bfSize
    EXPECT_EQ(Le32(file, 6), 0u);           // bfReserved1, bfReserved2
    EXPECT_EQ(Le32(file, 10), 54u);         // bfOffBits
    // BITMAPINFOHEADER
    EXPECT_EQ(Le32(file, 14), 40u);                              // biSize
    EXPECT_EQ(Le32(file, 18), static_cast<uint32_t>(c.width));   // biWidth
    EXPECT_EQ(Le32(file, 22), static_cast<uint32_t>(c.height));  // biHeight > 0: bottom-up
    EXPECT_EQ(Le16(file, 26), 1);                                // biPlanes
    EXPECT_EQ(Le16(file, 28), 24);                               // biBitCount
    EXPECT_EQ(Le32(file, 30), 0u);                               // biCompression: BI_RGB
    EXPECT_EQ(Le32(file, 34), pixelBytes);                       // biSizeImage
    EXPECT_EQ(Le32(file, 46), 0u);                               // biClrUsed

    // The first stored row is the bottom one; B, G, R; padding zero.
    for (int y = 0; y < c.height; ++y) {
        const size_t row = 54 + static_cast<size_t>(c.height - 1 - y) * c.rowBytes;
        for (int x = 0; x < c.width; ++x) {
            const uint32_t p = picture.At(x, y);
            ASSERT_EQ(file[row + 3 * x], BlueOf(p)) << x << "," << y;
            ASSERT_EQ(file[row + 3 * x + 1], GreenOf(p)) << x << "," << y;
            ASSERT_EQ(file[row + 3 * x + 2], RedOf(p)) << x << "," << y;
        }
        for (size_t i = 3 * static_cast<size_t>(c.width); i < c.rowBytes; ++i) {
            ASSERT_EQ(file[row + i], 0) << "padding of row " << y;
        }
    }
}

// The clipboard block is the file without its 14-byte file header.
TEST_P(BmpFile, DibIsTheFileWithoutFileHeader) {
    const SizeCase& c = GetParam();
    const test::Picture picture = test::Noise(c.width, c.height, 8);
    std::vector<uint8_t> file, dib = {'o', 'l', 'd'};
    ASSERT_EQ(EncodeBmp(picture.View(), file), EncodeStatus::kOk);
    ASSERT_EQ(EncodeDib(picture.View(), dib), EncodeStatus::kOk);
    EXPECT_EQ(std::string(dib.begin(), dib.begin() + 3), "old");
    EXPECT_TRUE(std::equal(dib.begin() + 3, dib.end(), file.begin() + 14, file.end()));
}

INSTANTIATE_TEST_SUITE_P(Cases, BmpFile,
                         ::testing::Values(
                             // Widths 1 to 4 need 1, 2, 3 and 0 bytes of padding.
                             SizeCase{"onePixel", 1, 1, 4}, SizeCase{"width2", 2, 3, 8},
                             SizeCase{"width3", 3, 2, 12}, SizeCase{"width4", 4, 5, 12},
                             SizeCase{"width5", 5, 1, 16}, SizeCase{"wide", 101, 7, 304}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BmpEncoder, RejectsFilesBeyondFourGigabytes) {
    // bfSize is 32 bits: 40000 x 40000 x 3 bytes does not fit. One pixel
    // stands behind the view, so a missing check shows as a bad read.
    const uint32_t pixel = 0xFF000000u;
    std::vector<uint8_t> out;
    EXPECT_EQ(EncodeBmp({&pixel, 40000, 40000, 40000}, out), EncodeStatus::kTooLarge);
    EXPECT_EQ(EncodeDib({&pixel, 40000, 40000, 40000}, out), EncodeStatus::kTooLarge);
    EXPECT_TRUE(out.empty());
}

}  // namespace
}  // namespace lg
