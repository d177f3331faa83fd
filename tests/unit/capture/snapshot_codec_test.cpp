#include "capture/snapshot_codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "capture/changed_rect.h"
#include "capture/pixel_rle.h"
#include "capture_pictures.h"

namespace lg {
namespace {

using namespace testing_capture;

struct ChangedCase {
    std::string name;
    std::vector<std::pair<int, int>> touched;  // pixels changed in a 40 x 30 picture
    TRect expected;
};

void PrintTo(const ChangedCase& c, std::ostream* os) {
    *os << c.name;
}

class ChangedRectTest : public ::testing::TestWithParam<ChangedCase> {};

TEST_P(ChangedRectTest, BoundsEveryChangedPixel) {
    std::mt19937 rng(5);
    const TBitmap32 a = RandomPicture(40, 30, rng);
    TBitmap32 b = a;
    for (auto [x, y] : GetParam().touched) *b.PixelPtr(x, y) ^= 0x00010000u;
    const TRect got = ChangedRect(a, b);
    const TRect& want = GetParam().expected;
    EXPECT_EQ((std::array{got.Left, got.Top, got.Right, got.Bottom}),
              (std::array{want.Left, want.Top, want.Right, want.Bottom}));
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, ChangedRectTest,
    ::testing::Values(ChangedCase{"Equal", {}, {}},
                      ChangedCase{"OnePixel", {{7, 9}}, {7, 9, 8, 10}},
                      ChangedCase{"Corners", {{0, 0}, {39, 29}}, {0, 0, 40, 30}},
                      ChangedCase{
                          "LeftmostOnALaterRow", {{20, 3}, {5, 10}, {25, 12}}, {5, 3, 26, 13}}),
    [](const ::testing::TestParamInfo<ChangedCase>& info) { return info.param.name; });

TEST(ChangedRect, DifferentSizesHaveNoCommonRectangle) {
    EXPECT_EQ(ChangedRect(TBitmap32(4, 4), TBitmap32(4, 5)), TRect{});
}

struct PackCase {
    std::string name;
    int width, height;
    TRect rect;
    DeltaPacking packing;
};

void PrintTo(const PackCase& c, std::ostream* os) {
    *os << c.name;
}

class PackXorTest : public ::testing::TestWithParam<PackCase> {};

TEST_P(PackXorTest, AppliedTwiceTurnsOneIntoTheOtherAndBack) {
    const PackCase& c = GetParam();
    std::mt19937 rng(11);
    const TBitmap32 older = RandomPicture(c.width, c.height, rng);
    TBitmap32 newer = older;
    FrameRect(newer, c.rect, 2, 0xFF00FF00u);
    Line(newer, c.rect.Left, c.rect.Top, c.rect.Right - 3, c.rect.Bottom - 3, 3, 0xFF112233u);
    Scramble(newer, {c.rect.Left, c.rect.Top, c.rect.Left + 9, c.rect.Top + 5}, rng);

    const PackedXor packed = PackXor(&older, newer, c.rect, c.packing);
    TBitmap32 work = older;
    ASSERT_TRUE(ApplyXor(packed, work));
    EXPECT_TRUE(SamePixels(work, newer));
    ASSERT_TRUE(ApplyXor(packed, work));
    EXPECT_TRUE(SamePixels(work, older));

    // Against zero the packed XOR is the picture itself.
    const PackedXor whole = PackXor(nullptr, newer, newer.BoundsRect(), c.packing);
    TBitmap32 blank(c.width, c.height);
    ASSERT_TRUE(ApplyXor(whole, blank));
    EXPECT_TRUE(SamePixels(blank, newer));
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, PackXorTest,
    ::testing::Values(
        // Narrow rectangles put many rows in a band: runs cross row ends.
        PackCase{"NarrowRle", 50, 40, {3, 2, 20, 38}, DeltaPacking::kRle},
        PackCase{"NarrowDeflate", 50, 40, {3, 2, 20, 38}, DeltaPacking::kRleDeflate},
        // Rows wider than a band's pixel budget: one row per band.
        PackCase{"WiderThanABandRle",
                 kBandPixels + 37,
                 6,
                 {10, 1, kBandPixels + 30, 6},
                 DeltaPacking::kRle},
        PackCase{"WiderThanABandDeflate",
                 kBandPixels + 37,
                 6,
                 {10, 1, kBandPixels + 30, 6},
                 DeltaPacking::kRleDeflate},
        // A large rectangle over several bands of several rows.
        PackCase{"ManyBandsDeflate", 700, 400, {0, 0, 700, 400}, DeltaPacking::kRleDeflate}),
    [](const ::testing::TestParamInfo<PackCase>& info) { return info.param.name; });

TEST(ApplyXor, RejectsDataThatDoesNotFit) {
    std::mt19937 rng(3);
    const TBitmap32 older = RandomPicture(30, 20, rng);
    TBitmap32 newer = older;
    Scramble(newer, {5, 5, 25, 15}, rng);
    for (DeltaPacking packing : {DeltaPacking::kRle, DeltaPacking::kRleDeflate}) {
        const PackedXor packed = PackXor(&older, newer, {5, 5, 25, 15}, packing);

        TBitmap32 small(20, 20);  // the rectangle reaches past its right edge
        EXPECT_FALSE(ApplyXor(packed, small));

        PackedXor cut = packed;
        cut.bytes.resize(cut.bytes.size() / 2);
        TBitmap32 work = older;
        EXPECT_FALSE(ApplyXor(cut, work));

        PackedXor taller = packed;  // more rows than the data covers
        taller.rect.Bottom += 1;
        work = older;
        EXPECT_FALSE(ApplyXor(taller, work));
    }
}

TEST(PixelXorRle, RejectsStreamsThatOverrunOrFallShort) {
    std::vector<std::uint8_t> stream;
    PixelXorRleEncoder rle(stream);
    const std::vector<TColor32> older(12, 0), newer(12, 0xFFu);
    rle.Push(older, newer);
    rle.Finish();

    std::vector<TColor32> pixels(16, 0);
    EXPECT_TRUE(ApplyPixelXorRle(stream, {pixels.data(), 4, 4, 3}));
    EXPECT_TRUE(std::equal(newer.begin(), newer.end(), pixels.begin()));
    EXPECT_FALSE(ApplyPixelXorRle(stream, {pixels.data(), 4, 4, 2}));  // too long for the block
    EXPECT_FALSE(ApplyPixelXorRle(stream, {pixels.data(), 5, 5, 3}));  // too short for it
    const std::vector<std::uint8_t> endless{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x01};
    EXPECT_FALSE(ApplyPixelXorRle(endless, {pixels.data(), 4, 4, 3}));  // header past 32 bits
}

}  // namespace
}  // namespace lg
