// The marker: five pen widths wide, the pen colour at alpha AF, and one
// polygon, so a stroke that crosses itself keeps a uniform tint. Expected
// colours come from the blend rule written out in the test.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "settings/settings.h"
#include "tool_test_support.h"
#include "tools/tool_point.h"
#include "tools/tr_pl_tool_layer.h"

namespace lg {
namespace {

using tools_test::CaptureView;
using tools_test::kBands;
using tools_test::kBandWidth;
using tools_test::kCapture;
using tools_test::kSelection;
using tools_test::ReferenceBlend;

class MarkerTool : public CaptureView {
protected:
    MarkerTool() {
        marker = &TBaseToolLayer::Create<TTrPLToolLayer>(view, kSelection, Draw());
        marker->SetTickSource([this] { return now; });
        marker->OnEnd = [this](TBaseToolLayer&) { ++ends; };
    }
    // Strokes through the points, each move examined (40 ms apart).
    void Stroke(std::initializer_list<TPoint> points) {
        bool first = true;
        for (TPoint p : points) {
            now += 40;
            if (first) {
                view.MouseDown(mbLeft, 0, p.X, p.Y);
                first = false;
            } else {
                view.MouseMove(ssLeft, p.X, p.Y);
            }
        }
        view.MouseUp(mbLeft, 0, points.end()[-1].X, points.end()[-1].Y);
    }
    TTrPLToolLayer* marker;
    std::uint32_t now = 1000;
    int ends = 0;
};

TEST_F(MarkerTool, ACrossingHasTheSameTintAsASingleLayer) {
    LGSettings().pencolor = 0xFF20A040u;
    LGSettings().penwidth = 4;  // 20 pixels wide
    // A "Z" turned on its side: the first and last legs cross at (60, 60).
    Stroke({{20, 20}, {100, 100}, {100, 20}, {20, 100}});
    ASSERT_EQ(ends, 1);

    const TColor32 tint = ReferenceBlend(0xAF20A040u, kDrawBitmapClear, 0xAF);
    EXPECT_EQ(*Draw().PixelPtr(60, 60), tint) << "the crossing";
    EXPECT_EQ(*Draw().PixelPtr(40, 40), tint) << "one leg alone";
    EXPECT_EQ(*Draw().PixelPtr(100, 60), tint) << "the middle leg";
    // Half the width either side of a leg is 10 pixels: 8.5 pixels off the
    // first leg is inside, 12.7 outside.
    EXPECT_EQ(*Draw().PixelPtr(40 + 6, 40 - 6), tint);
    EXPECT_EQ(*Draw().PixelPtr(40 + 9, 40 - 9), kDrawBitmapClear);

    TBitmap32 screen(tools_test::kViewW, tools_test::kViewH);
    view.PaintTo(screen, screen.BoundsRect());
    EXPECT_EQ(*screen.PixelPtr(60, 60) & 0x00FFFFFFu,
              ReferenceBlend(tint, kCapture, tint >> 24) & 0x00FFFFFFu)
        << "the capture shows through the crossing as anywhere else";
}

// A straight stroke along y = 45 across the five bands of the capture,
// 5 x 4 = 20 pixels wide: rows 35 to 54 are fully covered.
TEST_F(MarkerTool, OverAKnownCaptureTheViewShowsTheTintBlendedOnce) {
    PaintBands();
    LGSettings().penwidth = 4;
    const std::vector<TColor32> pens = {0xFFFF0000u, 0xFF00C040u, 0xFF000000u, 0xFFFFFFFFu};
    for (TColor32 pen : pens) {
        SCOPED_TRACE(std::to_string(pen));
        LGSettings().pencolor = pen;
        view.Layers().Delete(marker->Index());
        marker = &TBaseToolLayer::Create<TTrPLToolLayer>(view, kSelection, Draw());
        marker->SetTickSource([this] { return now; });
        marker->OnEnd = [this](TBaseToolLayer&) { ++ends; };
        ends = 0;
        Stroke({{15, 45}, {185, 45}});
        ASSERT_EQ(ends, 1);
        Screen();  // the stroke is drawn at its points, never by a paint
        const TBitmap32 screen = Screen();

        const TColor32 tint =
            ReferenceBlend((pen & 0x00FFFFFFu) | 0xAF000000u, kDrawBitmapClear, 0xAF);
        for (int band = 0; band < 5; ++band) {
            SCOPED_TRACE(band);
            const int x = band * kBandWidth + kBandWidth / 2;
            EXPECT_EQ(*Draw().PixelPtr(x, 35), tint);
            EXPECT_EQ(*Draw().PixelPtr(x, 54), tint);
            EXPECT_EQ(*Draw().PixelPtr(x, 33), kDrawBitmapClear) << "beyond half the width";
            EXPECT_EQ(*screen.PixelPtr(x, 45), ReferenceBlend(tint, kBands[band], tint >> 24));
            EXPECT_EQ(*screen.PixelPtr(x, 70), kBands[band]);
        }
    }
}

TEST_F(MarkerTool, AClickWithoutMovementEndsWithNothingDrawn) {
    view.MouseDown(mbLeft, 0, 50, 50);
    view.MouseUp(mbLeft, 0, 50, 50);
    EXPECT_EQ(ends, 1) << "the figure ends, so the capture window stores a snapshot";
    EXPECT_EQ(DrawnPixels(), 0);
}

}  // namespace
}  // namespace lg
