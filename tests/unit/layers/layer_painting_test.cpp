// What the view paints: order, partial repaints, and how each layer draws.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "layer_test_support.h"
#include "layers/bitmap_layer.h"
#include "layers/img_view32.h"
#include "layers/rubberband_layer.h"

namespace lg {
namespace {

using layers_test::EventLog;
using layers_test::FullPaint;
using layers_test::Pattern;
using layers_test::TProbeLayer;

constexpr TColor32 kRed = 0xFFFF0000u;
constexpr TColor32 kGreen = 0xFF00FF00u;
constexpr TColor32 kBlue = 0xFF0000FFu;
constexpr TColor32 kWhite = 0xFFFFFFFFu;
constexpr TColor32 kBlack = 0xFF000000u;
constexpr TColor32 kJunk = 0xDEADBEEFu;

TEST(LayerPainting, BitmapThenVisibleLayersBottomToTop) {
    TImgView32 view;
    TBitmap32 base(40, 30);
    base.Clear(kWhite);
    view.SetBitmap(base);
    EventLog log;
    auto& lower = view.Layers().Add<TProbeLayer>("lower", TFloatRect{0, 0, 20, 20}, kRed, &log);
    auto& upper = view.Layers().Add<TProbeLayer>("upper", TFloatRect{10, 10, 30, 30}, kGreen, &log);
    auto& hidden = view.Layers().Add<TProbeLayer>("hidden", TFloatRect{0, 0, 40, 30}, kBlue, &log);
    hidden.SetVisible(false);
    lower.OnPaint = [&](TCustomLayer&, TBitmap32&) { log.push_back("lower.hook"); };
    upper.OnPaint = [&](TCustomLayer&, TBitmap32&) { log.push_back("upper.hook"); };

    TBitmap32 out(50, 40);  // wider than the bitmap: the view's colour shows
    view.PaintTo(out, out.BoundsRect());

    EXPECT_EQ(log, (EventLog{"lower.paint", "lower.hook", "upper.paint", "upper.hook"}));
    EXPECT_EQ(*out.PixelPtr(5, 5), kRed) << "lower only";
    EXPECT_EQ(*out.PixelPtr(15, 15), kGreen) << "the upper layer covers the lower";
    EXPECT_EQ(*out.PixelPtr(25, 5), kWhite) << "the bitmap where no layer is";
    EXPECT_EQ(*out.PixelPtr(45, 5), kBlack) << "the view's colour beyond the bitmap";
    EXPECT_EQ(*out.PixelPtr(5, 35), kBlack);

    // Moving the upper layer below the lower one turns the overlap red.
    view.Layers().Delete(upper.Index());
    view.Layers().Insert<TProbeLayer>(0, "upper", TFloatRect{10, 10, 30, 30}, kGreen);
    view.PaintTo(out, out.BoundsRect());
    EXPECT_EQ(*out.PixelPtr(15, 15), kRed);
    EXPECT_EQ(*out.PixelPtr(25, 25), kGreen);
}

TEST(LayerPainting, PaintHookDrawsOverTheLayersOwnPaint) {
    TImgView32 view;
    view.SetBitmap(TBitmap32(20, 20));
    auto& layer = view.Layers().Add<TProbeLayer>("L", TFloatRect{0, 0, 10, 10}, kRed);
    layer.OnPaint = [](TCustomLayer&, TBitmap32& buffer) { buffer.FillRectTS(2, 2, 4, 4, kBlue); };
    TBitmap32 out = FullPaint(view, 20, 20);
    EXPECT_EQ(*out.PixelPtr(3, 3), kBlue);
    EXPECT_EQ(*out.PixelPtr(6, 6), kRed);
}

// A scene with something of every kind: a patterned bitmap, a translucent
// bitmap layer, an opaque layer, and a rubber band with its dashed frame.
class LayerPaintingScene : public ::testing::Test {
protected:
    static constexpr int kW = 64, kH = 48;

    LayerPaintingScene() {
        view.SetBitmap(Pattern(kW, kH));
        auto& overlay = view.Layers().Add<TBitmapLayer>();
        overlay.Bitmap() = Pattern(30, 20);
        overlay.Bitmap().SetDrawMode(dmBlend);
        overlay.Bitmap().SetMasterAlpha(100);
        overlay.SetLocation(TFloatRect{5, 6, 35, 26});
        view.Layers().Add<TProbeLayer>("box", TFloatRect{30, 20, 50, 40}, kGreen);
        auto& band = view.Layers().Add<TRubberbandLayer>();
        band.SetLocation(TFloatRect{12, 9, 47, 38});
    }

    TImgView32 view;
};

TEST_F(LayerPaintingScene, PaintAreaEqualsTheSameAreaOfAFullPaint) {
    const TBitmap32 full = FullPaint(view, kW, kH);
    const TRect areas[] = {
        {0, 0, kW, kH},     // everything
        {10, 8, 20, 14},    // across the band's corner handle and the overlay
        {40, 30, 41, 31},   // a single pixel
        {20, 0, 33, 48},    // a full-height strip across the dashed frame
        {-10, 40, 90, 60},  // reaching outside the buffer
    };
    for (const TRect& area : areas) {
        SCOPED_TRACE(layers_test::Str(area));
        TBitmap32 buffer(kW, kH);
        buffer.Clear(kJunk);
        view.PaintArea(buffer, area);
        for (int y = 0; y < kH; ++y) {
            for (int x = 0; x < kW; ++x) {
                const TColor32 want =
                    layers_test::Inside(area, x, y) ? *full.PixelPtr(x, y) : kJunk;
                ASSERT_EQ(*buffer.PixelPtr(x, y), want) << x << "," << y;
            }
        }
        EXPECT_EQ(buffer.ClipRect(), buffer.BoundsRect()) << "the buffer's clip is given back";
    }
}

TEST_F(LayerPaintingScene, PaintToAnOffsetRectangleShiftsTheWholeView) {
    const TBitmap32 full = FullPaint(view, kW, kH);
    TBitmap32 dest(kW + 20, kH + 20);
    dest.Clear(kJunk);
    const TRect target{7, 5, 7 + kW, 5 + kH};
    view.PaintTo(dest, target);
    for (int y = 0; y < dest.Height(); ++y) {
        for (int x = 0; x < dest.Width(); ++x) {
            const TColor32 want =
                layers_test::Inside(target, x, y) ? *full.PixelPtr(x - 7, y - 5) : kJunk;
            ASSERT_EQ(*dest.PixelPtr(x, y), want) << x << "," << y;
        }
    }
}

TEST(LayerPainting, ViewShowsItsBitmapByTheAssignedDrawMode) {
    TImgView32 view;
    view.SetColor(kRed);
    TBitmap32 src(4, 4);
    src.Clear(0x00123456u);  // alpha 0, as a fresh capture's bytes may be
    view.SetBitmap(src);
    EXPECT_EQ(view.Bitmap().DrawMode(), dmOpaque);
    EXPECT_EQ(*FullPaint(view, 4, 4).PixelPtr(1, 1), 0x00123456u)
        << "opaque: the pixel as it is, the view's colour does not show through";

    src.SetDrawMode(dmBlend);
    view.SetBitmap(src);
    EXPECT_EQ(view.Bitmap().DrawMode(), dmBlend) << "assigning copies the drawing properties";
    EXPECT_EQ(*FullPaint(view, 4, 4).PixelPtr(1, 1), kRed) << "blended at alpha 0: background";
}

struct BitmapLayerCase {
    const char* name;
    TDrawMode mode;
    std::uint8_t masterAlpha;
    TColor32 pixel;
    TColor32 expected;  // the pixel drawn onto opaque white
};

TEST(LayerPainting, BitmapLayerDrawsItsBitmapByItsOwnModes) {
    const BitmapLayerCase cases[] = {
        {"opaque copies even a translucent pixel", dmOpaque, 255, 0x80FF0000u, 0x80FF0000u},
        // W = $80: alpha (256*255 - 127*128 + 128) / 256 = $C0, green and
        // blue (256*255 - 255*128 + 128) / 256 = $80.
        {"blend by the pixel's alpha", dmBlend, 255, 0x80FF0000u, 0xC0FF8080u},
        // W = round($80 * 128 / 255) = 64: alpha $DF, green and blue $BF.
        {"blend scaled by the master alpha", dmBlend, 128, 0x80FF0000u, 0xDFFFBFBFu},
        {"transparent skips the outer colour", dmTransparent, 255, 0xFF00FF00u, kWhite},
        {"transparent copies other colours", dmTransparent, 255, 0xFF0000FFu, 0xFF0000FFu},
    };
    for (const BitmapLayerCase& c : cases) {
        SCOPED_TRACE(c.name);
        TImgView32 view;
        TBitmap32 white(10, 10);
        white.Clear(kWhite);
        view.SetBitmap(white);
        auto& layer = view.Layers().Add<TBitmapLayer>();
        layer.Bitmap().SetSize(3, 3);
        layer.Bitmap().Clear(c.pixel);
        layer.Bitmap().SetDrawMode(c.mode);
        layer.Bitmap().SetMasterAlpha(c.masterAlpha);
        layer.Bitmap().SetOuterColor(0xFF00FF00u);
        layer.SetLocation(TFloatRect{2, 2, 5, 5});
        const TBitmap32 out = FullPaint(view, 10, 10);
        EXPECT_EQ(*out.PixelPtr(3, 3), c.expected);
        EXPECT_EQ(*out.PixelPtr(1, 1), kWhite) << "nothing outside the location";
    }
}

TEST(LayerPainting, BitmapLayerIsCutToItsRoundedLocation) {
    TImgView32 view;
    view.SetBitmap(TBitmap32(20, 20));
    auto& layer = view.Layers().Add<TBitmapLayer>();
    layer.Bitmap() = Pattern(10, 10);
    // Rounds to (3, 2, 7, 5): the bitmap's top-left 4 x 3 pixels at (3, 2).
    layer.SetLocation(TFloatRect{2.6f, 2.4f, 6.5f, 4.5f});
    const TBitmap32 out = FullPaint(view, 20, 20);
    const TBitmap32 src = Pattern(10, 10);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            const bool inside = x >= 3 && x < 7 && y >= 2 && y < 5;
            const TColor32 want = inside ? *src.PixelPtr(x - 3, y - 2) : 0u;
            ASSERT_EQ(*out.PixelPtr(x, y), want) << x << "," << y;
        }
    }
}

}  // namespace
}  // namespace lg
