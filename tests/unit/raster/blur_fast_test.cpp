// The blur's fast paths (the portable row-wise one, SSE2 and AVX2) held
// against the blur as first written, which BoxBlur's own tests hold against
// the definition.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "raster/blur.h"
#include "raster/blur_p.h"
#include "raster/raster_test_util.h"
#include "simd/dispatch.h"

namespace lg {
namespace {

using blur_detail::Job;

struct Path {
    const char* name;
    void (*run)(const Job&);
};

// Every fast path this processor can run.
std::vector<Path> FastPaths() {
    std::vector<Path> paths{{"portable", &blur_detail::RunPortable}};
#if LG_HAVE_SSE2_PATH
    if (simd::HasSse2()) paths.push_back({"sse2", &blur_detail::RunSse2});
    if (simd::HasAvx2()) paths.push_back({"avx2", &blur_detail::RunAvx2});
#endif
    return paths;
}

bool SamePixels(const TBitmap32& a, const TBitmap32& b) {
    return a.Width() == b.Width() && a.Height() == b.Height() &&
           std::equal(a.Pixels().begin(), a.Pixels().end(), b.Pixels().begin());
}

TEST(BlurDivisor, GivesTheQuotientOfEveryWindowSumOfEveryRadius) {
    for (int r = 1; r <= kMaxBlurRadius; ++r) {
        const int k = 2 * r + 1;
        const blur_detail::Divisor d = blur_detail::Divisor::For(k);
        ASSERT_TRUE(d.mul <= 0xFFFF && d.shift >= (d.wide ? 1 : 0)) << "k " << k;
        for (std::uint32_t sum = 0; sum <= static_cast<std::uint32_t>(k) * 255; ++sum) {
            ASSERT_EQ(d.Divide(sum), sum / k) << "k " << k << " sum " << sum;
        }
    }
}

// A line whose channel values are i div k makes the window at x sum to
// x - r, so sliding along it meets every window sum 0 ... 255k once: the
// vector division meets every sum it can get, along rows and (turned)
// along columns, for every radius.
// One case per radius: the large radii take seconds each under the
// sanitizers, and separate cases spread over the test shards.
class BlurEveryWindowSum : public ::testing::TestWithParam<int> {};

TEST_P(BlurEveryWindowSum, FastPathsMatchTheReference) {
    const int r = GetParam(), k = 2 * r + 1, len = 256 * k;
    const std::vector<Path> paths = FastPaths();
    for (const bool column : {false, true}) {
        TBitmap32 line(column ? 1 : len, column ? len : 1);
        for (int i = 0; i < len; ++i) line.Pixels()[i] = (i / k) * 0x01010101u;
        TBitmap32 want = line;
        blur_detail::BoxBlurReference(want, r);
        for (const Path& path : paths) {
            TBitmap32 b = line;
            path.run(blur_detail::ClipJob(b, r));
            ASSERT_TRUE(SamePixels(b, want))
                << path.name << " r " << r << (column ? " column" : " row");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Radius, BlurEveryWindowSum, ::testing::Range(1, kMaxBlurRadius + 1));

// Random pictures of odd sizes, at every radius, some smaller than the
// radius, some blurred only within a clip rectangle.
TEST(BlurFastPaths, MatchTheReferenceOnRandomBitmaps) {
    std::mt19937 rng(4242u);
    std::uniform_int_distribution<int> side(1, 61);
    for (const Path& path : FastPaths()) {
        for (int r = 1; r <= kMaxBlurRadius; ++r) {
            TBitmap32 b(side(rng) | 1, side(rng) | 1);
            testing::FillRandom(b, rng);
            if (r % 3 == 0) {
                std::uniform_int_distribution<int> x(0, b.Width() - 1), y(0, b.Height() - 1);
                const int l = x(rng), t = y(rng);
                b.SetClipRect(TRect{l, t, l + 1 + x(rng), t + 1 + y(rng)});
            }
            TBitmap32 want = b;
            blur_detail::BoxBlurReference(want, r);
            path.run(blur_detail::ClipJob(b, r));
            ASSERT_TRUE(SamePixels(b, want))
                << path.name << " r " << r << " " << b.Width() << " x " << b.Height();
        }
    }
}

// The dispatching entry agrees too, at the tool's radius on a larger
// picture whose width is no multiple of the vector width.
TEST(BoxBlur, MatchesTheReferenceAtTheToolsRadius) {
    std::mt19937 rng(5u);
    TBitmap32 b(203, 117);
    testing::FillRandom(b, rng);
    TBitmap32 want = b;
    blur_detail::BoxBlurReference(want, 5);
    BoxBlur(b, 5);
    EXPECT_TRUE(SamePixels(b, want));
}

// A part of the blur of a box is that part of the blurred box, wherever
// the part lies (edges, corners, inside), with the or-mask applied.
TEST(BoxBlurPart, EqualsThatPartOfTheBlurredBox) {
    std::mt19937 rng(99u);
    TBitmap32 src(90, 70);
    testing::FillRandom(src, rng);
    std::uniform_int_distribution<int> coin(0, 1);
    const std::vector<Path> paths = FastPaths();
    for (int trial = 0; trial < 60; ++trial) {
        std::uniform_int_distribution<int> x(0, 89), y(0, 69), rad(1, 12);
        int l = x(rng), rgt = x(rng), t = y(rng), btm = y(rng);
        const TRect box{std::min(l, rgt), std::min(t, btm), std::max(l, rgt) + 1,
                        std::max(t, btm) + 1};
        std::uniform_int_distribution<int> px(box.Left, box.Right - 1), py(box.Top, box.Bottom - 1);
        l = px(rng), rgt = px(rng), t = py(rng), btm = py(rng);
        const TRect part{std::min(l, rgt), std::min(t, btm), std::max(l, rgt) + 1,
                         std::max(t, btm) + 1};
        const int r = rad(rng);
        const TColor32 orMask = coin(rng) ? 0xFF000000u : 0;

        TBitmap32 whole(box.Width(), box.Height());
        whole.Draw(whole.BoundsRect(), box, src);
        blur_detail::BoxBlurReference(whole, r);

        // The entry, then each path on the same job.
        const int atX = 3, atY = 5;
        std::vector<std::pair<std::string, TBitmap32>> outs;
        outs.emplace_back("BoxBlurPart", TBitmap32(100, 80));
        outs.back().second.Clear(0x12345678u);
        BoxBlurPart(src, box, part, r, outs.back().second, atX, atY, orMask);
        for (const Path& path : paths) {
            outs.emplace_back(path.name, TBitmap32(100, 80));
            TBitmap32& dst = outs.back().second;
            dst.Clear(0x12345678u);
            const auto job = blur_detail::PartJob(src, box, part, r, dst, atX, atY, orMask);
            ASSERT_TRUE(job.has_value());
            path.run(*job);
        }
        for (const auto& [name, dst] : outs) {
            for (int yy = 0; yy < dst.Height(); ++yy) {
                for (int xx = 0; xx < dst.Width(); ++xx) {
                    const int sx = xx - atX + part.Left, sy = yy - atY + part.Top;
                    const bool inPart =
                        sx >= part.Left && sx < part.Right && sy >= part.Top && sy < part.Bottom;
                    const TColor32 want =
                        inPart ? *whole.PixelPtr(sx - box.Left, sy - box.Top) | orMask
                               : 0x12345678u;
                    ASSERT_EQ(*dst.PixelPtr(xx, yy), want)
                        << name << " trial " << trial << " at " << xx << ", " << yy;
                }
            }
        }
    }
}

}  // namespace
}  // namespace lg
