#include <gtest/gtest.h>

#include <climits>
#include <random>

#include "raster/bitmap32.h"
#include "raster/raster_test_util.h"

namespace lg {
namespace {

// Draw(dstRect, srcRect, src), pixel by pixel from the rules.
void ReferenceDraw(TBitmap32& dst, const TRect& dstRect, const TRect& srcRect,
                   const TBitmap32& src) {
    const int w = std::min(dstRect.Width(), srcRect.Width());
    const int h = std::min(dstRect.Height(), srcRect.Height());
    const TBitmap32 from = src;  // src may be dst
    const TRect clip = dst.ClipRect();
    for (int j = 0; j < h; ++j) {
        for (int i = 0; i < w; ++i) {
            const int sx = srcRect.Left + i, sy = srcRect.Top + j;
            const int dx = dstRect.Left + i, dy = dstRect.Top + j;
            if (sx < 0 || sy < 0 || sx >= from.Width() || sy >= from.Height()) continue;
            if (dx < clip.Left || dy < clip.Top || dx >= clip.Right || dy >= clip.Bottom) continue;
            const TColor32 s = *from.PixelPtr(sx, sy);
            TColor32& d = *dst.PixelPtr(dx, dy);
            switch (from.DrawMode()) {
                case dmOpaque:
                    d = s;
                    break;
                case dmTransparent:
                    if (s != from.OuterColor()) d = s;
                    break;
                case dmBlend: {
                    const std::uint32_t wgt = ((s >> 24) * from.MasterAlpha() + 127) / 255;
                    d = from.CombineMode() == cmBlend ? BlendWeighted(s, d, wgt)
                                                      : Merge(WithAlpha(s, wgt), d);
                    break;
                }
            }
        }
    }
}

bool SamePixels(const TBitmap32& a, const TBitmap32& b) {
    return a.Width() == b.Width() && a.Height() == b.Height() &&
           std::equal(a.Pixels().begin(), a.Pixels().end(), b.Pixels().begin());
}

TEST(Transfer, MatchesRulesOnRandomBitmaps) {
    std::mt19937 rng(4242u);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int round = 0; round < 600; ++round) {
        TBitmap32 dst(pick(1, 24), pick(1, 24)), src(pick(1, 24), pick(1, 24));
        testing::FillRandom(dst, rng);
        testing::FillRandom(src, rng);
        // Low alphas and an outer colour that occurs, so every branch runs.
        if (round % 3 == 0) {
            for (TColor32& p : src.Pixels()) p = WithAlpha(p, pick(0, 2) * 127);
        }
        src.SetOuterColor(*src.PixelPtr(0, 0));
        src.SetDrawMode(static_cast<TDrawMode>(pick(0, 2)));
        src.SetCombineMode(static_cast<TCombineMode>(pick(0, 1)));
        src.SetMasterAlpha(static_cast<std::uint8_t>(pick(0, 3) == 0 ? 255 : pick(0, 255)));
        if (pick(0, 2) == 0)
            dst.SetClipRect(Rect(pick(0, 8), pick(0, 8), pick(4, 24), pick(4, 24)));
        const TRect dstRect = Rect(pick(-10, 20), pick(-10, 20), pick(-10, 30), pick(-10, 30));
        const TRect srcRect = Rect(pick(-5, 10), pick(-5, 10), pick(-5, 30), pick(-5, 30));
        TBitmap32 want = dst;
        ReferenceDraw(want, dstRect, srcRect, src);
        dst.Draw(dstRect, srcRect, src);
        ASSERT_TRUE(SamePixels(dst, want)) << "round " << round;
    }
}

TEST(Transfer, IntoItselfReadsTheOriginalPixels) {
    std::mt19937 rng(99u);
    TBitmap32 b(16, 12);
    testing::FillRandom(b, rng);
    for (TDrawMode mode : {dmOpaque, dmBlend}) {
        b.SetDrawMode(mode);
        TBitmap32 want = b;
        ReferenceDraw(want, Rect(3, 2, 19, 14), b.BoundsRect(), b);
        b.Draw(3, 2, b);
        EXPECT_TRUE(SamePixels(b, want)) << "mode " << mode;
    }
}

TEST(Transfer, TransparentModeCopiesOpaquePixels) {
    // Every source pixel has alpha $FF, so none equals the outer colour 0.
    std::mt19937 rng(5u);
    TBitmap32 src(9, 7), dst(9, 7);
    testing::FillRandom(src, rng);
    for (TColor32& p : src.Pixels()) p = WithAlpha(p, 0xFF);
    src.SetDrawMode(dmTransparent);
    dst.Clear(0x00FFFFFFu);
    dst.Draw(0, 0, src);
    EXPECT_TRUE(std::equal(src.Pixels().begin(), src.Pixels().end(), dst.Pixels().begin()));
}

TEST(Transfer, TransparentModeSkipsTheOuterColour) {
    TBitmap32 src(2, 1), dst(2, 1);
    *src.PixelPtr(0, 0) = 0;
    *src.PixelPtr(1, 0) = 0x00000001u;  // differs from the outer colour 0
    src.SetDrawMode(dmTransparent);
    dst.Clear(0xFFABCDEFu);
    dst.Draw(0, 0, src);
    EXPECT_EQ(*dst.PixelPtr(0, 0), 0xFFABCDEFu);
    EXPECT_EQ(*dst.PixelPtr(1, 0), 0x00000001u);
}

struct MasterCase {
    const char* why;
    TDrawMode mode;
    TCombineMode combine;
    std::uint8_t master;
    TColor32 s, d, want;
};

TEST(Transfer, MasterAlpha) {
    const MasterCase cases[] = {
        // W = round(255 * 128 / 255) = 128: red (256*0 + 255*128 + 128) div 256 = 128.
        {"scales an opaque source", dmBlend, cmBlend, 128, 0xFFFF0000u, 0xFF000000u, 0xFF800000u},
        {"255 keeps the pixel's own alpha", dmBlend, cmBlend, 255, 0x80FF0000u, 0xFF000000u,
         BlendByAlpha(0x80FF0000u, 0xFF000000u)},
        {"0 draws nothing", dmBlend, cmBlend, 0, 0xFFFF0000u, 0xFF00FF00u, 0xFF00FF00u},
        // Fa = round(255 * 51 / 255) = 51 onto opaque black: red = round(51*255/255) = 51.
        {"merge scales the source alpha", dmBlend, cmMerge, 51, 0xFFFF0000u, 0xFF000000u,
         0xFF330000u},
        {"opaque mode ignores it", dmOpaque, cmBlend, 10, 0x12345678u, 0xFF000000u, 0x12345678u},
    };
    for (const MasterCase& c : cases) {
        TBitmap32 src(1, 1), dst(1, 1);
        src.Clear(c.s);
        src.SetDrawMode(c.mode);
        src.SetCombineMode(c.combine);
        src.SetMasterAlpha(c.master);
        dst.Clear(c.d);
        src.DrawTo(dst, 0, 0);
        EXPECT_EQ(*dst.PixelPtr(0, 0), c.want) << c.why;
    }
}

TEST(Transfer, ClippedAtEveryEdgeWithoutTouchingOutside) {
    TBitmap32 src(10, 10), dst(20, 20);
    src.Clear(0xFF00FF00u);
    dst.Clear(0xFF000000u);
    dst.SetClipRect(Rect(5, 5, 15, 15));
    dst.Draw(-3, 8, src);  // cut on the left by the clip rectangle, rows 8..14 remain
    EXPECT_EQ(testing::ChangedBox(dst, 0xFF000000u), Rect(5, 8, 7, 15));
    src.DrawTo(dst, Rect(100, 100, 110, 110), src.BoundsRect());                   // wholly outside
    src.DrawTo(dst, Rect(INT_MIN / 2, 0, INT_MAX / 2, 20), Rect(-5, -5, 15, 15));  // far left
    EXPECT_EQ(testing::ChangedBox(dst, 0xFF000000u), Rect(5, 8, 7, 15));
    // The source rectangle starts 110 pixels before the source: the source's
    // (0, 0) lands at (10, 10).
    src.DrawTo(dst, Rect(-100, -100, 100, 100), Rect(-110, -110, 90, 90));
    EXPECT_EQ(testing::ChangedBox(dst, 0xFF000000u), Rect(5, 8, 15, 15));
    EXPECT_EQ(dst.PixelS(9, 12), 0xFF000000u);
    EXPECT_EQ(dst.PixelS(10, 10), 0xFF00FF00u);
}

}  // namespace
}  // namespace lg
