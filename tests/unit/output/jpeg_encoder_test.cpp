#include "output/jpeg_encoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "output/test_pictures.h"

namespace lg {
namespace {

struct DecodedJpeg {
    bool ok = false;
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;
    std::vector<std::pair<int, int>> sampling;  // h, v factor of each component
    bool progressive = true;
};

struct DecodeErrors {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

// Kept free of objects with destructors between setjmp and the decode calls.
bool DecodeInto(jpeg_decompress_struct& cinfo, DecodeErrors& err, const std::vector<uint8_t>& file,
                DecodedJpeg& out) {
    cinfo.err = jpeg_std_error(&err.base);
    err.base.error_exit = [](j_common_ptr c) {
        std::longjmp(reinterpret_cast<DecodeErrors*>(c->err)->jump, 1);
    };
    if (setjmp(err.jump) != 0) return false;
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, file.data(), static_cast<unsigned long>(file.size()));
    if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK) return false;
    out.progressive = jpeg_has_multiple_scans(&cinfo);
    for (int c = 0; c < cinfo.num_components; ++c) {
        out.sampling.emplace_back(cinfo.comp_info[c].h_samp_factor,
                                  cinfo.comp_info[c].v_samp_factor);
    }
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    out.width = static_cast<int>(cinfo.output_width);
    out.height = static_cast<int>(cinfo.output_height);
    uint8_t* base = out.rgb.data();
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = base + static_cast<size_t>(cinfo.output_scanline) * out.width * 3;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    return true;
}

DecodedJpeg Decode(const std::vector<uint8_t>& file, int width, int height) {
    DecodedJpeg out;
    out.rgb.resize(static_cast<size_t>(width) * height * 3);
    jpeg_decompress_struct cinfo{};
    DecodeErrors err{};
    out.ok = DecodeInto(cinfo, err, file, out) && out.width == width && out.height == height;
    jpeg_destroy_decompress(&cinfo);
    return out;
}

// The start-of-frame marker of a baseline sequential file.
bool HasBaselineFrame(const std::vector<uint8_t>& file) {
    const uint8_t sof0[] = {0xFF, 0xC0};
    return std::search(file.begin(), file.end(), sof0, sof0 + 2) != file.end();
}

struct SizeCase {
    const char* name;
    int width;
    int height;
};

class JpegRoundTrip : public ::testing::TestWithParam<SizeCase> {};

TEST_P(JpegRoundTrip, SmoothPictureComesBackClose) {
    const SizeCase& c = GetParam();
    // A gentle ramp in every channel: what q90 must keep almost exactly.
    test::Picture picture(c.width, c.height, c.width + 3);
    for (int y = 0; y < c.height; ++y) {
        for (int x = 0; x < c.width; ++x) {
            uint32_t r = 40 + (x * 150) / std::max(c.width, 2);
            uint32_t g = 60 + (y * 120) / std::max(c.height, 2);
            uint32_t b = 200 - (x + y) / 3;
            picture.At(x, y) = 0x7F000000u | r << 16 | g << 8 | b;
        }
    }
    std::vector<uint8_t> out = {'o', 'l', 'd'};
    ASSERT_EQ(EncodeJpeg(picture.View(), out), EncodeStatus::kOk);
    ASSERT_EQ(std::string(out.begin(), out.begin() + 3), "old");
    out.erase(out.begin(), out.begin() + 3);

    EXPECT_TRUE(HasBaselineFrame(out));
    DecodedJpeg decoded = Decode(out, c.width, c.height);
    ASSERT_TRUE(decoded.ok);
    EXPECT_FALSE(decoded.progressive);
    // Full-resolution colour in all three components.
    EXPECT_EQ(decoded.sampling, (std::vector<std::pair<int, int>>(3, {1, 1})));

    const std::vector<uint8_t> expected = picture.Rgb();
    int worst = 0;
    long total = 0;
    for (size_t i = 0; i < expected.size(); ++i) {
        int error = std::abs(int{decoded.rgb[i]} - int{expected[i]});
        worst = std::max(worst, error);
        total += error;
    }
    // Quality 90 on a smooth ramp: rounding-level errors, no visible shift.
    EXPECT_LE(worst, 8);
    EXPECT_LE(static_cast<double>(total) / static_cast<double>(expected.size()), 2.0);
}

INSTANTIATE_TEST_SUITE_P(Cases, JpegRoundTrip,
                         ::testing::Values(SizeCase{"onePixel", 1, 1},
                                           // Not a multiple of the 8x8 block on either side.
                                           SizeCase{"oddSize", 37, 21},
                                           SizeCase{"severalBlocks", 128, 64}),
                         [](const auto& info) { return std::string(info.param.name); });

// libjpeg refuses these itself, through the error handler that must bring
// control back (its default ends the process) and release what it had
// allocated (the leak checker watches).
TEST(JpegEncoder, RejectsSidesBeyondTheFormat) {
    // One pixel stands behind each view: the refusal must come before any
    // row is read.
    const uint32_t pixel = 0xFF808080u;
    constexpr int kTooBig = JPEG_MAX_DIMENSION + 1;
    for (ImageView32 view :
         {ImageView32{&pixel, kTooBig, 1, kTooBig}, ImageView32{&pixel, 1, kTooBig, 1}}) {
        std::vector<uint8_t> out = {'o', 'l', 'd'};
        EXPECT_EQ(EncodeJpeg(view, out), EncodeStatus::kTooLarge)
            << view.width << "x" << view.height;
        EXPECT_EQ(out, (std::vector<uint8_t>{'o', 'l', 'd'}));
    }
    // And the encoder still works afterwards.
    std::vector<uint8_t> out;
    EXPECT_EQ(EncodeJpeg({&pixel, 1, 1, 1}, out), EncodeStatus::kOk);
}

}  // namespace
}  // namespace lg
