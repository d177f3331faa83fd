// The arrow: its head size rule, and that the figure left at the release is
// the last preview, drawn once.
#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string>
#include <vector>

#include "settings/settings.h"
#include "tool_test_support.h"
#include "tools/line_arrow_tool_layer.h"

namespace lg {
namespace {

using tools_test::CaptureView;
using tools_test::kSelection;

class ArrowTool : public CaptureView {
protected:
    ArrowTool() {
        arrow = &TBaseToolLayer::Create<TLineArrowToolLayer>(view, kSelection, Draw());
        arrow->OnEnd = [this](TBaseToolLayer&) { ++ends; };
    }
    void Paint() {
        TBitmap32 screen(tools_test::kViewW, tools_test::kViewH);
        view.PaintTo(screen, screen.BoundsRect());
    }
    // The most drawn pixels in one column of the draw bitmap.
    int TallestColumn() {
        int best = 0;
        for (int x = 0; x < tools_test::kViewW; ++x) {
            int n = 0;
            for (int y = 0; y < tools_test::kViewH; ++y)
                n += *Draw().PixelPtr(x, y) != kDrawBitmapClear;
            best = std::max(best, n);
        }
        return best;
    }
    TLineArrowToolLayer* arrow;
    int ends = 0;
};

TEST_F(ArrowTool, HeadSizeIsThreePenWidthsButNeverBelowFour) {
    struct Case {
        std::string why;
        int penwidth;
        float size;
    };
    const std::vector<Case> cases = {
        {"1 pixel: 3 is too small to draw, so 4", 1, 4.0f},
        {"2 pixels: 6, above the floor", 2, 6.0f},
        {"the default 5 pixels: 15", 5, 15.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        LGSettings().penwidth = c.penwidth;
        view.MouseDown(mbLeft, 0, 20, 60);
        view.MouseMove(ssLeft, 100, 60);
        const TArrowHead& head = arrow->Line().ArrowEnd;
        EXPECT_EQ(head.Size, c.size);
        EXPECT_EQ(head.Style, asFourPoint);
        EXPECT_EQ(head.Color, LGSettings().pencolor);
        EXPECT_EQ(head.Pen.Color >> 24, 0u) << "the head's outline is invisible";
        EXPECT_EQ(arrow->Line().LineWidth, static_cast<float>(c.penwidth));
        // The tip lies at the pointer: the pixel just inside it is drawn,
        // the one a pixel beyond is not.
        EXPECT_NE(*Draw().PixelPtr(98, 60), kDrawBitmapClear);
        EXPECT_EQ(*Draw().PixelPtr(102, 60), kDrawBitmapClear);
        // The head spans its size across the line (barbs at +-size/2),
        // however thin the shaft; anti-aliasing may add a pixel each side.
        const int span = TallestColumn();
        EXPECT_GE(span, static_cast<int>(c.size));
        EXPECT_LE(span, static_cast<int>(c.size) + 2);
        view.MouseUp(mbLeft, 0, 100, 60);
        arrow = &TBaseToolLayer::Create<TLineArrowToolLayer>(view, kSelection, Draw());
    }
}

TEST_F(ArrowTool, TheReleaseAndLaterPaintsKeepTheLastPreview) {
    view.MouseDown(mbLeft, 0, 20, 20);
    view.MouseMove(ssLeft, 120, 90);
    const TBitmap32 preview = Draw();
    view.MouseUp(mbLeft, 0, 60, 120);  // a release elsewhere is not drawn
    Paint();
    Paint();
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(std::ranges::equal(preview.Pixels(), Draw().Pixels()))
        << "not drawn again over itself, not moved to the release point";
}

}  // namespace
}  // namespace lg
