#include "output/png_encoder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "output/png_encoder_p.h"
#include "output/png_reader.h"
#include "output/test_pictures.h"

namespace lg {
namespace {

using test::Picture;

// Bytes already in the buffer: the encoder must append after them.
const std::vector<uint8_t> kPrefix = {'o', 'l', 'd'};

struct PictureCase {
    const char* name;
    std::function<Picture()> make;
};

const PictureCase kPictures[] = {
    {"onePixel", [] { return test::Noise(1, 1); }},
    {"flat", [] { return test::Flat(64, 48); }},
    // Odd widths put pixel boundaries everywhere in the 3-byte rows.
    {"noiseOddWidth", [] { return test::Noise(37, 23); }},
    {"oneColumn", [] { return test::Noise(1, 50); }},
    {"oneRow", [] { return test::Noise(301, 1); }},
    {"photo", [] { return test::Photo(255, 40); }},
    {"text", [] { return test::Text(200, 100); }},
    {"mixed", [] { return test::Mixed(161, 120); }},
    // Row padding holds a marker that must not leak into the file.
    {"strideBeyondWidth", [] { return test::Noise(31, 17, 4, 40); }},
};

// Ways through the encoder: the public call, and the band pipeline cut into
// one band, one band per row, and a few rows per band, on one or more
// threads, with each filter policy and each way of choosing deflate
// settings (band by band, and switched inside a band for copied rows).
struct PathCase {
    const char* name;
    std::function<EncodeStatus(const ImageView32&, std::vector<uint8_t>&)> encode;
};

png::IdatPlan Plan(size_t bandBytes, int threads,
                   png::FilterPolicy filter = png::FilterPolicy::kScreen) {
    png::IdatPlan plan = png::DefaultPlan();
    plan.bandBytes = bandBytes;
    plan.threads = threads;
    plan.filter = filter;
    return plan;
}

png::IdatPlan With(png::IdatPlan plan, int png::IdatPlan::*field, int value) {
    plan.*field = value;
    return plan;
}

auto WithPlan(png::IdatPlan plan) {
    return [plan](const ImageView32& v, std::vector<uint8_t>& out) {
        return png::EncodeWithPlan(v, plan, out);
    };
}

const PathCase kPaths[] = {
    {"publicDefault", [](const ImageView32& v, auto& out) { return EncodePng(v, out); }},
    {"publicOneThread", [](const ImageView32& v, auto& out) { return EncodePng(v, out, {1}); }},
    {"oneBand", WithPlan(Plan(size_t{1} << 30, 1))},
    {"bandPerRowOneThread", WithPlan(Plan(1, 1))},
    {"bandPerRowFourThreads", WithPlan(Plan(1, 4))},
    {"smallBandsTwoThreads", WithPlan(Plan(700, 2))},
    {"noFilterBands", WithPlan(Plan(700, 2, png::FilterPolicy::kNone))},
    {"subFilterBands", WithPlan(Plan(700, 2, png::FilterPolicy::kSub))},
    {"adaptiveFilterBands", WithPlan(Plan(700, 2, png::FilterPolicy::kAdaptive))},
    {"copyRunsFromOneRow", WithPlan(With(Plan(700, 2), &png::IdatPlan::minCopyRun, 1))},
    {"photoSettingsOnEveryBand", WithPlan(With(Plan(700, 2), &png::IdatPlan::photoBandPercent, 0))},
    {"screenSettingsOnEveryBand",
     WithPlan(With(Plan(700, 2), &png::IdatPlan::photoBandPercent, 101))},
};

class PngRoundTrip : public ::testing::TestWithParam<std::tuple<PictureCase, PathCase>> {};

TEST_P(PngRoundTrip, DecodesToTheSamePixels) {
    const auto& [pictureCase, path] = GetParam();
    const Picture picture = pictureCase.make();
    std::vector<uint8_t> out = kPrefix;
    ASSERT_EQ(path.encode(picture.View(), out), EncodeStatus::kOk);
    ASSERT_TRUE(std::equal(kPrefix.begin(), kPrefix.end(), out.begin()));
    std::span<const uint8_t> file(out.begin() + kPrefix.size(), out.end());

    for (const test::PngChunk& chunk : test::ReadChunks(file)) {
        EXPECT_TRUE(chunk.crcOk) << chunk.type;
    }
    test::DecodedPng decoded = test::DecodePng(file);
    ASSERT_TRUE(decoded.ok) << decoded.error;
    EXPECT_EQ(decoded.width, picture.width);
    EXPECT_EQ(decoded.height, picture.height);
    EXPECT_TRUE(decoded.rgb == picture.Rgb());
}

INSTANTIATE_TEST_SUITE_P(Cases, PngRoundTrip,
                         ::testing::Combine(::testing::ValuesIn(kPictures),
                                            ::testing::ValuesIn(kPaths)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    std::get<1>(info.param).name;
                         });

TEST(PngEncoder, FileLayoutIsHeaderDataEnd) {
    // Noise does not compress, so its data must spill over several IDATs.
    const Picture picture = test::Noise(200, 150);
    std::vector<uint8_t> out;
    ASSERT_EQ(EncodePng(picture.View(), out), EncodeStatus::kOk);
    std::vector<test::PngChunk> chunks = test::ReadChunks(out);
    ASSERT_GE(chunks.size(), 4u);

    ASSERT_EQ(chunks.front().type, "IHDR");
    const std::vector<uint8_t>& ihdr = chunks.front().data;
    ASSERT_EQ(ihdr.size(), 13u);
    EXPECT_EQ(test::ReadBigEndian32(&ihdr[0]), 200u);
    EXPECT_EQ(test::ReadBigEndian32(&ihdr[4]), 150u);
    EXPECT_EQ(ihdr[8], 8);   // bits per channel
    EXPECT_EQ(ihdr[9], 2);   // RGB, no alpha
    EXPECT_EQ(ihdr[12], 0);  // not interlaced

    EXPECT_EQ(chunks.back().type, "IEND");
    EXPECT_TRUE(chunks.back().data.empty());
    // Full IDATs in one run between them, only the last one shorter.
    for (size_t i = 1; i + 1 < chunks.size(); ++i) {
        EXPECT_EQ(chunks[i].type, "IDAT");
        if (i + 2 < chunks.size()) {
            EXPECT_EQ(chunks[i].data.size(), png::kIdatPayloadBytes);
        }
        EXPECT_LE(chunks[i].data.size(), png::kIdatPayloadBytes);
    }
}

TEST(PngEncoder, ThreadCountDoesNotChangeTheBytes) {
    const Picture picture = test::Mixed(250, 90);
    std::vector<uint8_t> single;
    ASSERT_EQ(png::EncodeWithPlan(picture.View(), Plan(2000, 1), single), EncodeStatus::kOk);
    for (int threads : {2, 3, 8}) {
        std::vector<uint8_t> parallel;
        ASSERT_EQ(png::EncodeWithPlan(picture.View(), Plan(2000, threads), parallel),
                  EncodeStatus::kOk);
        EXPECT_TRUE(parallel == single) << threads << " threads";
    }
}

TEST(PngEncoder, IgnoresAlpha) {
    Picture opaque = test::Mixed(64, 40);
    Picture varied = opaque;
    for (size_t i = 0; i < varied.pixels.size(); ++i) {
        varied.pixels[i] = (varied.pixels[i] & 0x00FFFFFFu) | static_cast<uint32_t>(i * 37) << 24;
    }
    std::vector<uint8_t> a, b;
    ASSERT_EQ(EncodePng(opaque.View(), a), EncodeStatus::kOk);
    ASSERT_EQ(EncodePng(varied.View(), b), EncodeStatus::kOk);
    EXPECT_TRUE(a == b);
}

// Real captures through the default path: several bands on several threads,
// both deflate settings, and the row classification on real content.
TEST(PngEncoder, CorpusRoundTrips) {
    int seen = 0;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(LUMIGRAB_CORPUS_DIR, ec)) {
        if (entry.path().extension() != ".png") continue;
        SCOPED_TRACE(entry.path().filename().string());
        std::vector<uint8_t> file;
        {
            std::FILE* f = std::fopen(entry.path().string().c_str(), "rb");
            ASSERT_NE(f, nullptr);
            uint8_t buffer[1 << 16];
            for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) {
                file.insert(file.end(), buffer, buffer + n);
            }
            std::fclose(f);
        }
        test::DecodedPng source = test::DecodePng(file);
        ASSERT_TRUE(source.ok) << source.error;
        Picture picture(source.width, source.height);
        for (size_t i = 0; i < picture.pixels.size(); ++i) {
            picture.pixels[i] =
                test::Opaque(uint32_t{source.rgb[3 * i]} << 16 |
                             uint32_t{source.rgb[3 * i + 1]} << 8 | source.rgb[3 * i + 2]);
        }
        std::vector<uint8_t> out;
        ASSERT_EQ(EncodePng(picture.View(), out), EncodeStatus::kOk);
        test::DecodedPng decoded = test::DecodePng(out);
        ASSERT_TRUE(decoded.ok) << decoded.error;
        EXPECT_TRUE(decoded.rgb == source.rgb);
        ++seen;
    }
    EXPECT_GT(seen, 0) << "no corpus in " << LUMIGRAB_CORPUS_DIR;
}

}  // namespace
}  // namespace lg
