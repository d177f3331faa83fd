// Every encoder turns away a picture it cannot hold, without touching the
// buffer it was given.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "output/bmp_encoder.h"
#include "output/jpeg_encoder.h"
#include "output/png_encoder.h"

namespace lg {
namespace {

const uint32_t kPixels[16] = {};

struct ViewCase {
    const char* name;
    ImageView32 view;
};

const ViewCase kViews[] = {
    {"zeroByZero", {kPixels, 0, 0, 0}},
    {"zeroWidth", {kPixels, 0, 4, 4}},
    {"zeroHeight", {kPixels, 4, 0, 4}},
    {"negativeWidth", {kPixels, -2, 2, 2}},
    {"negativeHeight", {kPixels, 2, -2, 2}},
    {"noPixels", {nullptr, 2, 2, 2}},
    // Rows would overlap.
    {"strideBelowWidth", {kPixels, 4, 2, 3}},
};

struct EncoderCase {
    const char* name;
    std::function<EncodeStatus(const ImageView32&, std::vector<uint8_t>&)> encode;
};

const EncoderCase kEncoders[] = {
    {"png", [](const ImageView32& v, auto& out) { return EncodePng(v, out); }},
    {"jpeg", [](const ImageView32& v, auto& out) { return EncodeJpeg(v, out); }},
    {"bmp", [](const ImageView32& v, auto& out) { return EncodeBmp(v, out); }},
    {"dib", [](const ImageView32& v, auto& out) { return EncodeDib(v, out); }},
};

class EncoderRejects : public ::testing::TestWithParam<std::tuple<ViewCase, EncoderCase>> {};

TEST_P(EncoderRejects, EmptyOrBrokenViews) {
    const auto& [viewCase, encoder] = GetParam();
    std::vector<uint8_t> out = {1, 2, 3};
    EXPECT_EQ(encoder.encode(viewCase.view, out), EncodeStatus::kEmptyImage);
    EXPECT_EQ(out, (std::vector<uint8_t>{1, 2, 3}));
}

INSTANTIATE_TEST_SUITE_P(Cases, EncoderRejects,
                         ::testing::Combine(::testing::ValuesIn(kViews),
                                            ::testing::ValuesIn(kEncoders)),
                         [](const auto& info) {
                             return std::string(std::get<1>(info.param).name) + "_" +
                                    std::get<0>(info.param).name;
                         });

}  // namespace
}  // namespace lg
