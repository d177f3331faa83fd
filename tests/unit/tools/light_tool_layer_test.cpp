// The translucent filled rectangle over a known capture: the tint the draw
// bitmap takes and what the view shows, both from the blend rule written
// out in the test.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/settings.h"
#include "tool_test_support.h"
#include "tools/light_tool_layer.h"

namespace lg {
namespace {

using tools_test::CaptureView;
using tools_test::kBands;
using tools_test::kBandWidth;
using tools_test::kSelection;
using tools_test::ReferenceBlend;

using LightTool = CaptureView;

TEST(ReferenceBlendRule, GivesTheWorkedExample) {
    // $AF0000FF by its own alpha onto the clear draw bitmap: alpha
    // (175 * 175 + 128) div 256 = $78, red and green
    // (256 * 255 - 255 * 175 + 128) div 256 = $51, blue stays $FF.
    EXPECT_EQ(ReferenceBlend(0xAF0000FFu, 0x00FFFFFFu, 0xAF), 0x785151FFu);
    EXPECT_EQ(ReferenceBlend(0xAF0000FFu, 0x00FFFFFFu, 0), 0x00FFFFFFu);
    EXPECT_EQ(ReferenceBlend(0xAF0000FFu, 0x00FFFFFFu, 255), 0xAF0000FFu);
}

TEST_F(LightTool, TintIsThePenColourAtAlphaAFBlendedIntoTheClearDrawBitmap) {
    PaintBands();
    const std::vector<TColor32> pens = {0xFFFF0000u, 0xFF00C040u, 0xFF000000u};
    for (TColor32 pen : pens) {
        SCOPED_TRACE(std::to_string(pen));
        LGSettings().pencolor = pen;
        auto& tool = TBaseToolLayer::Create<TLightToolLayer>(view, kSelection, Draw());
        int ends = 0;
        tool.OnEnd = [&](TBaseToolLayer&) { ++ends; };
        // Across all five bands: pressed in the selection, released beyond it.
        view.MouseDown(mbLeft, 0, 12, 30);
        view.MouseMove(ssLeft, 190, 60);
        view.MouseUp(mbLeft, 0, 190, 60);
        Screen();  // a repaint must not lay it twice
        const TBitmap32 screen = Screen();

        const TColor32 tint =
            ReferenceBlend((pen & 0x00FFFFFFu) | 0xAF000000u, kDrawBitmapClear, 0xAF);
        EXPECT_EQ(ends, 1);
        EXPECT_EQ(*Draw().PixelPtr(12, 30), tint);
        EXPECT_EQ(*Draw().PixelPtr(189, 59), tint);
        EXPECT_EQ(*Draw().PixelPtr(190, 59), kDrawBitmapClear) << "right edge is exclusive";
        EXPECT_EQ(*Draw().PixelPtr(50, 60), kDrawBitmapClear) << "bottom edge is exclusive";
        EXPECT_EQ(DrawnPixels(), 178 * 30);
        // The draw layer is blended onto the capture by the tint's alpha,
        // every channel alike; beside the figure the capture is untouched.
        for (int band = 0; band < 5; ++band) {
            SCOPED_TRACE(band);
            const int x = band * kBandWidth + kBandWidth / 2;
            EXPECT_EQ(*screen.PixelPtr(x, 45), ReferenceBlend(tint, kBands[band], tint >> 24))
                << "the capture shows through";
            EXPECT_EQ(*screen.PixelPtr(x, 80), kBands[band]);
        }
        view.Layers().Delete(tool.Index());
    }
}

}  // namespace
}  // namespace lg
