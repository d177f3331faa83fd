// The blur's vector paths as the Windows build compiles them: wide values
// on a stack Windows aligns less than the vectors want, and the processor
// check as the system answers it.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "raster/blur.h"
#include "raster/blur_p.h"
#include "simd/dispatch.h"

namespace lg {
namespace {

TEST(BlurPaths, EachVectorPathMatchesTheReference) {
    std::mt19937 rng(7u);
    TBitmap32 src(301, 77);
    for (TColor32& p : src.Pixels()) p = rng();
    struct Path {
        const char* name;
        bool here;
        void (*run)(const blur_detail::Job&);
    };
    const Path paths[] = {
        {"sse2", simd::HasSse2(), &blur_detail::RunSse2},
        {"avx2", simd::HasAvx2(), &blur_detail::RunAvx2},
    };
    for (const int r : {5, 13, 101}) {  // the three ways of dividing
        TBitmap32 want = src;
        blur_detail::BoxBlurReference(want, r);
        auto same = [&](const TBitmap32& b) {
            return std::equal(b.Pixels().begin(), b.Pixels().end(), want.Pixels().begin());
        };
        for (const Path& path : paths) {
            if (!path.here) continue;
            TBitmap32 b = src;
            path.run(blur_detail::ClipJob(b, r));
            EXPECT_TRUE(same(b)) << path.name << " r " << r;
        }
        TBitmap32 b = src;
        BoxBlur(b, r);
        EXPECT_TRUE(same(b)) << "BoxBlur r " << r;
    }
}

}  // namespace
}  // namespace lg
