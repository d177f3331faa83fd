// The marker: five pen widths wide, the pen colour at alpha AF, and one
// polygon, so a stroke that crosses itself keeps a uniform tint.
#include <gtest/gtest.h>

#include <cstdint>

#include "raster/blend.h"
#include "settings/settings.h"
#include "tool_test_support.h"
#include "tools/tool_point.h"
#include "tools/tr_pl_tool_layer.h"

namespace lg {
namespace {

using tools_test::CaptureView;
using tools_test::kCapture;
using tools_test::kSelection;

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

    const TColor32 tint = BlendWeighted(0xAF20A040u, kDrawBitmapClear, 0xAF);
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
              BlendWeighted(tint, kCapture, tint >> 24) & 0x00FFFFFFu)
        << "the capture shows through the crossing as anywhere else";
}

}  // namespace
}  // namespace lg
