#include "raster/blur.h"

#include <gtest/gtest.h>

#include <random>

#include "raster/raster_test_util.h"

namespace lg {
namespace {

// The blur from its definition: each pass replaces a channel by the
// truncated mean of the 2r + 1 values around it, positions clamped to the
// area (edge pixels repeated).
TBitmap32 ReferenceBlur(const TBitmap32& src, int r) {
    const TRect c = src.ClipRect();
    const int w = c.Width(), h = c.Height(), k = 2 * r + 1;
    auto channel = [](TColor32 p, int shift) { return static_cast<int>((p >> shift) & 0xFF); };
    std::vector<TColor32> rows(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            TColor32 out = 0;
            for (int shift : {24, 16, 8, 0}) {
                int sum = 0;
                for (int i = -r; i <= r; ++i)
                    sum += channel(*src.PixelPtr(c.Left + std::clamp(x + i, 0, w - 1), c.Top + y),
                                   shift);
                out |= static_cast<TColor32>(sum / k) << shift;
            }
            rows[static_cast<std::size_t>(y) * w + x] = out;
        }
    }
    TBitmap32 dst = src;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            TColor32 out = 0;
            for (int shift : {24, 16, 8, 0}) {
                int sum = 0;
                for (int i = -r; i <= r; ++i)
                    sum += channel(
                        rows[static_cast<std::size_t>(std::clamp(y + i, 0, h - 1)) * w + x], shift);
                out |= static_cast<TColor32>(sum / k) << shift;
            }
            *dst.PixelPtr(c.Left + x, c.Top + y) = out;
        }
    }
    return dst;
}

struct BlurCase {
    const char* why;
    int w, h, r;
    TRect clip;  // empty: the whole bitmap
};

TEST(BoxBlur, MatchesDefinitionOnRandomBitmaps) {
    const BlurCase cases[] = {
        {"the blur tool's radius", 40, 30, 5, {}},
        {"radius 1", 17, 9, 1, {}},
        {"a thin strip, just wider than the radius", 6, 50, 5, {}},
        {"smaller than the radius both ways: edges repeat", 3, 4, 5, {}},
        {"one pixel", 1, 1, 5, {}},
        {"the largest radius: window sums near 16 bits", 9, 300, kMaxBlurRadius, {}},
        {"only the clip rectangle", 30, 30, 3, Rect(4, 6, 21, 25)},
    };
    std::mt19937 rng(31337u);
    for (const BlurCase& c : cases) {
        TBitmap32 b(c.w, c.h);
        testing::FillRandom(b, rng);
        if (!c.clip.IsEmpty()) b.SetClipRect(c.clip);
        const TBitmap32 want = ReferenceBlur(b, c.r);
        BoxBlur(b, c.r);
        EXPECT_TRUE(std::equal(b.Pixels().begin(), b.Pixels().end(), want.Pixels().begin()))
            << c.why;
    }
}

TEST(BoxBlur, RadiusAboveTheLimitCountsAsTheLimit) {
    std::mt19937 rng(77u);
    TBitmap32 b(40, 3);
    testing::FillRandom(b, rng);
    const TBitmap32 want = ReferenceBlur(b, kMaxBlurRadius);
    BoxBlur(b, kMaxBlurRadius + 500);
    EXPECT_TRUE(std::equal(b.Pixels().begin(), b.Pixels().end(), want.Pixels().begin()));
}

TEST(BoxBlur, KeepsAFlatImageFlat) {
    for (TColor32 c : {0xFF8040C0u, 0x00FFFFFFu, 0x7F000001u}) {
        TBitmap32 b(23, 17);
        b.Clear(c);
        BoxBlur(b, 5);
        for (TColor32 p : b.Pixels()) ASSERT_EQ(p, c);
    }
}

TEST(BoxBlur, RadiusZeroOrLessChangesNothing) {
    std::mt19937 rng(8u);
    TBitmap32 b(9, 9);
    testing::FillRandom(b, rng);
    const TBitmap32 before = b;
    BoxBlur(b, 0);
    BoxBlur(b, -4);
    EXPECT_TRUE(std::equal(b.Pixels().begin(), b.Pixels().end(), before.Pixels().begin()));
}

}  // namespace
}  // namespace lg
