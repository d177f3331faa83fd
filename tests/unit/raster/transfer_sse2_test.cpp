// The four-pixels-at-a-time blend of TBitmap32::Draw against the portable
// row it stands in for: every source alpha, source and destination value
// of a channel, and rows of every short length with clear, opaque and
// translucent pixels mixed.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "raster/transfer_p.h"
#include "simd/dispatch.h"

namespace lg {
namespace {

using transfer_detail::BlendRowOpaqueMasterSse2;
using transfer_detail::BlendRowPortable;

TEST(TransferSse2Test, EveryAlphaAndChannelValueBlendsAsThePortableRow) {
    if (!simd::HasSse2()) GTEST_SKIP() << "no SSE2 here";
    std::vector<TColor32> src(256), fast(256), slow(256);
    for (std::uint32_t a = 0; a < 256; ++a) {
        for (std::uint32_t f = 0; f < 256; ++f) {
            for (std::uint32_t b = 0; b < 256; ++b) {
                src[b] = a << 24 | f << 16 | (255 - f) << 8 | f;
                fast[b] = slow[b] = (255 - b) << 24 | b << 16 | (255 - b) << 8 | b;
            }
            BlendRowOpaqueMasterSse2(fast.data(), src.data(), 256);
            BlendRowPortable(slow.data(), src.data(), 256, 255);
            ASSERT_EQ(fast, slow) << "alpha " << a << ", source " << f;
        }
    }
}

TEST(TransferSse2Test, RowsOfAnyLengthWithMixedPixels) {
    if (!simd::HasSse2()) GTEST_SKIP() << "no SSE2 here";
    std::mt19937 random(7);
    for (int n = 0; n <= 37; ++n) {
        for (int round = 0; round < 20; ++round) {
            std::vector<TColor32> src(n), fast(n), slow(n);
            for (int i = 0; i < n; ++i) {
                const std::uint32_t kind = random() % 3;
                const std::uint32_t alpha = kind == 0 ? 0 : kind == 1 ? 255 : random() % 256;
                src[i] = alpha << 24 | (random() & 0xFFFFFFu);
                fast[i] = slow[i] = static_cast<TColor32>(random());
            }
            BlendRowOpaqueMasterSse2(fast.data(), src.data(), n);
            BlendRowPortable(slow.data(), src.data(), n, 255);
            ASSERT_EQ(fast, slow) << "length " << n;
        }
    }
}

}  // namespace
}  // namespace lg
