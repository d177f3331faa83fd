#include "raster/bitmap32.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <random>
#include <string>

#include "raster/blur.h"
#include "raster/fake_text_rasterizer.h"
#include "raster/line32.h"
#include "raster/raster_error.h"
#include "raster/raster_test_util.h"
#include "raster/render_text.h"
#include "raster/shapes.h"

namespace lg {
namespace {

TEST(Bitmap32Size, EverySizeChangeClearsThePixels) {
    TBitmap32 b;
    EXPECT_TRUE(b.Empty());
    b.SetSize(4, 3);
    EXPECT_EQ(b.Width(), 4);
    EXPECT_EQ(b.Height(), 3);
    EXPECT_EQ(b.Pixels().size(), 12u);
    for (TColor32 p : b.Pixels()) EXPECT_EQ(p, 0u);
    b.Clear(0xFF112233u);
    b.SetClipRect(Rect(1, 1, 2, 2));
    b.SetWidth(5);
    for (TColor32 p : b.Pixels()) EXPECT_EQ(p, 0u);
    EXPECT_EQ(b.ClipRect(), Rect(0, 0, 5, 3)) << "the clip rectangle follows the size";
    b.Clear(0xFF112233u);
    b.SetHeight(2);
    for (TColor32 p : b.Pixels()) EXPECT_EQ(p, 0u);
    b.SetSize(-3, 7);
    EXPECT_TRUE(b.Empty()) << "negative sizes count as 0";
    EXPECT_EQ(b.Pixels().size(), 0u);
}

struct HugeSize {
    const char* why;
    int w, h;
};

TEST(Bitmap32Size, SizeThatCannotBeHadThrowsAndKeepsTheBitmap) {
    const HugeSize sizes[] = {
        {"a virtual screen far beyond any desktop", 60000, 60000},
        {"width * height * 4 overflows 64 bits' worth of int", INT_MAX, INT_MAX},
        {"one pixel above the limit", 16384, 16385},
        {"a single huge row", INT_MAX, 1},
    };
    for (const HugeSize& s : sizes) {
        TBitmap32 b(3, 2);
        b.Clear(0xFF0000FFu);
        EXPECT_THROW(b.SetSize(s.w, s.h), RasterError) << s.why;
        EXPECT_EQ(b.Width(), 3) << s.why;
        EXPECT_EQ(b.Height(), 2) << s.why;
        for (TColor32 p : b.Pixels()) EXPECT_EQ(p, 0xFF0000FFu) << s.why;
        EXPECT_THROW(TBitmap32(s.w, s.h), RasterError) << s.why;
    }
}

// A zero-size bitmap, as the source and the target of every operation.
TEST(Bitmap32Size, ZeroSizeBitmapAcceptsEveryOperation) {
    testing::FakeTextRasterizer text;
    const std::pair<int, int> sizes[] = {{0, 0}, {0, 5}, {7, 0}};
    for (auto [w, h] : sizes) {
        TBitmap32 z(w, h);
        z.SetTextRasterizer(&text);
        TBitmap32 other(6, 6);
        other.Clear(0xFF445566u);
        const TColor32 stipple[] = {0xFFFFFFFFu, 0xFF000000u};
        z.SetStipple(stipple);
        const std::function<void()> ops[] = {
            [&] { z.Clear(0xFFFFFFFFu); },
            [&] { z.FillRectTS(Rect(-5, -5, 10, 10), 0x80FF0000u); },
            [&] { z.FrameRectTSP(Rect(0, 0, 4, 4)); },
            [&] { z.HorzLineTSP(-3, 0, 3); },
            [&] { z.SetPixelTS(0, 0, 0x80FF0000u); },
            [&] { z.SetPixelS(0, 0, 0xFFFF0000u); },
            [&] { z.Draw(0, 0, other); },
            [&] { other.Draw(1, 1, z); },
            [&] { z.Draw(Rect(0, 0, 3, 3), Rect(0, 0, 3, 3), other); },
            [&] { BoxBlur(z, 5); },
            [&] {
                TLine32 line;
                line.AddPoint(FixedPoint(-2, -2));
                line.AddPoint(FixedPoint(9, 9));
                line.EndStyle = esRounded;
                line.Draw(z, 0xFF00FF00u, 0xFF0000FFu, 3);
            },
            [&] { FillCircle(z, FixedPoint(1, 1), 20, 0xFF00FF00u); },
            [&] { z.RenderText(0, 0, u"12", 0, 0xFFFFFFFFu); },
            [&] { RenderTextInRect(z, Rect(0, 0, 40, 40), u"7", 0xFFFFFFFFu, 2, false); },
        };
        for (const auto& op : ops) op();
        EXPECT_EQ(z.Width(), w);
        EXPECT_EQ(z.Height(), h);
        EXPECT_EQ(z.PixelS(0, 0), z.OuterColor());
        for (TColor32 p : other.Pixels())
            EXPECT_EQ(p, 0xFF445566u) << "an empty source draws nothing";
    }
}

TEST(Bitmap32Pixels, CheckedAccessStaysInside) {
    TBitmap32 b(4, 4);
    b.SetOuterColor(0x12345678u);
    b.Clear(0xFF000000u);
    EXPECT_EQ(b.PixelS(-1, 0), 0x12345678u);
    EXPECT_EQ(b.PixelS(4, 0), 0x12345678u);
    EXPECT_EQ(b.PixelS(3, 3), 0xFF000000u);
    b.SetClipRect(Rect(1, 1, 3, 3));
    b.SetPixelS(0, 0, 0xFFFFFFFFu);  // outside the clip rectangle
    b.SetPixelS(9, 9, 0xFFFFFFFFu);  // outside the bitmap
    b.SetPixelS(1, 2, 0xFFFFFFFFu);
    EXPECT_EQ(testing::CountChanged(b, 0xFF000000u), 1);
    EXPECT_EQ(*b.PixelPtr(1, 2), 0xFFFFFFFFu);
    EXPECT_EQ(b.ScanLine(2) + 1, b.PixelPtr(1, 2));
}

TEST(Bitmap32Copy, CopiesPixelsAndDrawingProperties) {
    TBitmap32 a(3, 2);
    a.Clear(0x80102030u);
    a.SetDrawMode(dmBlend);
    a.SetCombineMode(cmMerge);
    a.SetMasterAlpha(77);
    a.SetOuterColor(0x11111111u);
    a.SetResampler(rkDraft);
    a.Font().Family = u"Noto Sans";
    a.Font().Size = 15;
    a.Font().Style = fsBold | fsItalic;
    TBitmap32 b;
    b = a;
    EXPECT_EQ(b.Width(), 3);
    EXPECT_EQ(b.Height(), 2);
    EXPECT_TRUE(std::equal(a.Pixels().begin(), a.Pixels().end(), b.Pixels().begin()));
    EXPECT_EQ(b.DrawMode(), dmBlend);
    EXPECT_EQ(b.CombineMode(), cmMerge);
    EXPECT_EQ(b.MasterAlpha(), 77);
    EXPECT_EQ(b.OuterColor(), 0x11111111u);
    EXPECT_EQ(b.Resampler(), rkDraft);
    EXPECT_EQ(b.Font(), a.Font());
    b.Clear(0);
    EXPECT_EQ(*a.PixelPtr(0, 0), 0x80102030u) << "the copy has pixels of its own";
}

TEST(Bitmap32Defaults, AsANewBitmapHasThem) {
    TBitmap32 b;
    EXPECT_EQ(b.DrawMode(), dmOpaque);
    EXPECT_EQ(b.CombineMode(), cmBlend);
    EXPECT_EQ(b.MasterAlpha(), 255);
    EXPECT_EQ(b.OuterColor(), 0u);
    EXPECT_EQ(b.Resampler(), rkNearest);
    EXPECT_EQ(b.StippleStep(), 1.0);
    EXPECT_EQ(b.StippleCounter(), 0.0);
}

// ---- FillRectTS ---------------------------------------------------------

// The fill, pixel by pixel, from its definition.
void ReferenceFill(TBitmap32& b, const TRect& r, TColor32 c) {
    for (int y = 0; y < b.Height(); ++y) {
        for (int x = 0; x < b.Width(); ++x) {
            const TRect clip = b.ClipRect();
            const bool inside = x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom &&
                                x >= clip.Left && x < clip.Right && y >= clip.Top &&
                                y < clip.Bottom;
            if (!inside) continue;
            TColor32& p = *b.PixelPtr(x, y);
            const std::uint32_t a = c >> 24;
            if (a == 255)
                p = c;
            else if (a != 0)
                p = b.CombineMode() == cmBlend ? BlendByAlpha(c, p) : Merge(c, p);
        }
    }
}

struct FillCase {
    const char* why;
    TRect r;
    TColor32 c;
    TCombineMode mode;
    TRect clip;  // empty: the whole bitmap
};

TEST(FillRectTS, MatchesDefinition) {
    const FillCase cases[] = {
        {"right equals left: nothing", Rect(3, 1, 3, 6), 0xFFFF0000u, cmBlend, {}},
        {"bottom equals top: nothing", Rect(1, 4, 6, 4), 0xFFFF0000u, cmBlend, {}},
        {"inverted: nothing", Rect(6, 6, 2, 2), 0xFFFF0000u, cmBlend, {}},
        {"right and bottom are exclusive", Rect(2, 3, 5, 4), 0xFFFF0000u, cmBlend, {}},
        {"opaque colour is written", Rect(-4, -4, 3, 3), 0xFF00FF00u, cmBlend, {}},
        {"alpha 0 does nothing", Rect(0, 0, 8, 8), 0x0000FF00u, cmBlend, {}},
        {"translucent blends", Rect(1, 1, 7, 5), 0x66353739u, cmBlend, {}},
        {"translucent merges in merge mode", Rect(1, 1, 7, 5), 0x66353739u, cmMerge, {}},
        {"wholly outside", Rect(20, 20, 30, 30), 0xFF00FF00u, cmBlend, {}},
        {"clipped to the clip rectangle", Rect(0, 0, 8, 8), 0x80FFFFFFu, cmBlend, Rect(2, 3, 5, 7)},
        {"outside the clip rectangle", Rect(0, 0, 2, 2), 0xFFFFFFFFu, cmBlend, Rect(2, 3, 5, 7)},
    };
    std::mt19937 rng(7u);
    for (const FillCase& c : cases) {
        TBitmap32 got(8, 8);
        testing::FillRandom(got, rng);
        got.SetCombineMode(c.mode);
        if (!c.clip.IsEmpty()) got.SetClipRect(c.clip);
        TBitmap32 want = got;
        got.FillRectTS(c.r, c.c);
        ReferenceFill(want, c.r, c.c);
        EXPECT_TRUE(std::equal(got.Pixels().begin(), got.Pixels().end(), want.Pixels().begin()))
            << c.why;
    }
}

TEST(FillRectTS, EmptyRectangleChangesNothing) {
    TBitmap32 b(5, 5);
    b.Clear(0xFF101010u);
    for (TRect r : {Rect(2, 2, 2, 4), Rect(2, 2, 4, 2), Rect(4, 4, 1, 1)}) {
        b.FillRectTS(r, 0xFFFFFFFFu);
        EXPECT_EQ(testing::CountChanged(b, 0xFF101010u), 0);
    }
}

// ---- Stippled lines -----------------------------------------------------

constexpr TColor32 kPattern[] = {0xFF000001u, 0xFF000002u, 0xFF000003u, 0xFF000004u,
                                 0xFF000005u, 0xFF000006u, 0xFF000007u, 0xFF000008u};

TEST(FrameRectTSP, WalksClockwiseFromTopLeftTakingOneEntryPerPixel) {
    TBitmap32 b(7, 6);
    b.SetStipple(kPattern);
    b.FrameRectTSP(Rect(1, 1, 5, 4));  // pixels (1,1) .. (4,3): ten on the frame
    struct Expect {
        int x, y;
        TColor32 c;
    };
    const Expect order[] = {
        {1, 1, kPattern[0]}, {2, 1, kPattern[1]}, {3, 1, kPattern[2]}, {4, 1, kPattern[3]},  // top
        {4, 2, kPattern[4]}, {4, 3, kPattern[5]},                       // right
        {3, 3, kPattern[6]}, {2, 3, kPattern[7]}, {1, 3, kPattern[0]},  // bottom
        {1, 2, kPattern[1]},                                            // left
    };
    for (const Expect& e : order) EXPECT_EQ(b.PixelS(e.x, e.y), e.c) << e.x << "," << e.y;
    EXPECT_EQ(testing::CountChanged(b, 0), 10);
    EXPECT_EQ(b.StippleCounter(), 0.0) << "a frame painted again starts at the same entry";
}

TEST(FrameRectTSP, EveryFramePixelOnceAndNothingWhenEmpty) {
    // One translucent entry: a pixel visited twice would be blended twice.
    const TColor32 half[] = {0x80FFFFFFu};
    const TColor32 once = BlendByAlpha(half[0], 0xFF000000u);
    struct Case {
        const char* why;
        TRect r;
        int pixels;
    };
    const Case cases[] = {
        {"one pixel", Rect(2, 2, 3, 3), 1},
        {"one row", Rect(1, 2, 6, 3), 5},
        {"one column", Rect(2, 1, 3, 6), 5},
        {"two by two", Rect(1, 1, 3, 3), 4},
        {"three by three has a hole", Rect(1, 1, 4, 4), 8},
        {"empty", Rect(3, 3, 3, 5), 0},
        {"inverted", Rect(5, 5, 2, 2), 0},
    };
    for (const Case& c : cases) {
        TBitmap32 b(8, 8);
        b.Clear(0xFF000000u);
        b.SetStipple(half);
        b.FrameRectTSP(c.r);
        EXPECT_EQ(testing::CountChanged(b, 0xFF000000u), c.pixels) << c.why;
        for (TColor32 p : b.Pixels()) {
            if (p != 0xFF000000u) {
                EXPECT_EQ(p, once) << c.why;
            }
        }
    }
}

TEST(FrameRectTSP, ClippingKeepsTheDashesInPlace) {
    TBitmap32 whole(30, 20), clipped(30, 20);
    for (TBitmap32* b : {&whole, &clipped}) {
        b->SetStipple(kPattern);
        b->SetStippleCounter(3);
    }
    clipped.SetClipRect(Rect(4, 2, 17, 9));
    whole.FrameRectTSP(Rect(2, 1, 25, 15));
    clipped.FrameRectTSP(Rect(2, 1, 25, 15));
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 30; ++x) {
            const bool inClip = x >= 4 && x < 17 && y >= 2 && y < 9;
            EXPECT_EQ(clipped.PixelS(x, y), inClip ? whole.PixelS(x, y) : 0u) << x << "," << y;
        }
    }
}

TEST(StippledLines, WalkFromFirstToSecondPoint) {
    TBitmap32 b(6, 3);
    b.SetStipple(kPattern);
    b.SetStippleStep(2);  // every second entry
    b.HorzLineTSP(4, 0, 1);
    EXPECT_EQ(b.PixelS(4, 0), kPattern[0]);
    EXPECT_EQ(b.PixelS(3, 0), kPattern[2]);
    EXPECT_EQ(b.PixelS(1, 0), kPattern[6]);
    b.SetStippleStep(1);
    b.SetStippleCounter(6.5);  // entry 6, then 7, then back to 0
    b.VertLineTSP(5, 0, 2);
    EXPECT_EQ(b.PixelS(5, 0), kPattern[6]);
    EXPECT_EQ(b.PixelS(5, 1), kPattern[7]);
    EXPECT_EQ(b.PixelS(5, 2), kPattern[0]);
}

}  // namespace
}  // namespace lg
