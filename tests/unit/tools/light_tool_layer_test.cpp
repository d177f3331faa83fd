// The translucent filled rectangle over a known capture: the tint the draw
// bitmap takes and what the view shows, both from the blend rules.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "raster/blend.h"
#include "settings/settings.h"
#include "tool_test_support.h"
#include "tools/light_tool_layer.h"

namespace lg {
namespace {

using tools_test::CaptureView;
using tools_test::kCapture;
using tools_test::kSelection;

using LightTool = CaptureView;

TEST_F(LightTool, TintIsThePenColourAtAlphaAFBlendedIntoTheClearDrawBitmap) {
    const std::vector<TColor32> pens = {0xFFFF0000u, 0xFF00C040u, 0xFF000000u};
    for (TColor32 pen : pens) {
        SCOPED_TRACE(std::to_string(pen));
        LGSettings().pencolor = pen;
        auto& tool = TBaseToolLayer::Create<TLightToolLayer>(view, kSelection, Draw());
        int ends = 0;
        tool.OnEnd = [&](TBaseToolLayer&) { ++ends; };
        view.MouseDown(mbLeft, 0, 30, 30);
        view.MouseMove(ssLeft, 70, 60);
        view.MouseUp(mbLeft, 0, 70, 60);
        TBitmap32 screen(tools_test::kViewW, tools_test::kViewH);
        view.PaintTo(screen, screen.BoundsRect());  // a repaint must not lay it twice
        view.PaintTo(screen, screen.BoundsRect());

        const TColor32 tint =
            BlendWeighted((pen & 0x00FFFFFFu) | 0xAF000000u, kDrawBitmapClear, 0xAF);
        const TColor32 shown = BlendWeighted(tint, kCapture, tint >> 24);
        EXPECT_EQ(ends, 1);
        EXPECT_EQ(*Draw().PixelPtr(30, 30), tint);
        EXPECT_EQ(*Draw().PixelPtr(69, 59), tint);
        EXPECT_EQ(*Draw().PixelPtr(70, 59), kDrawBitmapClear) << "right edge is exclusive";
        EXPECT_EQ(*Draw().PixelPtr(50, 60), kDrawBitmapClear) << "bottom edge is exclusive";
        EXPECT_EQ(DrawnPixels(), 40 * 30);
        EXPECT_EQ(*screen.PixelPtr(50, 45) & 0x00FFFFFFu, shown & 0x00FFFFFFu)
            << "the capture shows through";
        view.Layers().Delete(tool.Index());
    }
}

}  // namespace
}  // namespace lg
