// The pen: its press, thinned moves and release, and the stroke it draws.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "layers/dirty_region.h"
#include "settings/settings.h"
#include "tool_test_support.h"
#include "tools/base_pl_tool_layer.h"
#include "tools/tool_classes.h"
#include "tools/tool_point.h"

namespace lg {
namespace {

using tools_test::CaptureView;
using tools_test::kSelection;
using tools_test::kViewH;
using tools_test::kViewW;

class PenTool : public CaptureView {
protected:
    PenTool() { NewPen(); }

    // A fresh pen in place of the current one, reading the fake clock.
    void NewPen() {
        if (pen) view.Layers().Delete(pen->Index());
        pen = &TBaseToolLayer::Create<TBasePLToolLayer>(view, kSelection, Draw());
        pen->SetTickSource([this] { return now; });
        pen->OnEnd = [this](TBaseToolLayer&) { ++ends; };
        ends = 0;
        view.TakeDirtyRects();
    }

    std::vector<TPoint> StrokePoints() const {
        std::vector<TPoint> out;
        for (const TFixedPoint& p : pen->Stroke().Points()) out.push_back({p.X >> 16, p.Y >> 16});
        return out;
    }

    std::uint32_t now = 1000;
    TBasePLToolLayer* pen = nullptr;
    int ends = 0;
};

enum StepKind { kDown, kMove, kUp };

struct Step {
    StepKind kind;
    std::uint32_t t;
    int x, y;
    TMouseButton button = mbLeft;
};

struct ThinCase {
    const char* name;
    std::vector<Step> steps;
    std::vector<TPoint> points;
    std::uint32_t lastTimeAdd;
};

TEST_F(PenTool, MovesAreThinnedByTimeAndDistance) {
    const ThinCase cases[] = {
        {"a move within 30 ms is dropped",
         {{kDown, 1000, 20, 20}, {kMove, 1029, 40, 40}},
         {{20, 20}},
         1000},
        {"a move 30 ms later is added",
         {{kDown, 1000, 20, 20}, {kMove, 1030, 40, 40}},
         {{20, 20}, {40, 40}},
         1030},
        {"a move dropped for being close still restarts the 30 ms",
         {{kDown, 1000, 20, 20}, {kMove, 1030, 22, 22}, {kMove, 1059, 40, 40}},
         {{20, 20}},
         1030},
        {"5 pixels on both axes is too close",
         {{kDown, 1000, 20, 20}, {kMove, 1030, 25, 15}},
         {{20, 20}},
         1030},
        {"6 pixels on one axis is far enough",
         {{kDown, 1000, 20, 20}, {kMove, 1030, 26, 20}, {kMove, 1060, 26, 14}},
         {{20, 20}, {26, 20}, {26, 14}},
         1060},
        {"the distance counts from the last added point, however slowly it grew",
         {{kDown, 1000, 20, 20}, {kMove, 1030, 23, 20}, {kMove, 1060, 26, 20}},
         {{20, 20}, {26, 20}},
         1060},
        {"the tick count wrapping past zero",
         {{kDown, 0xFFFFFFF0u, 20, 20}, {kMove, 0x0Du, 40, 40}, {kMove, 0x0Eu, 40, 40}},
         {{20, 20}, {40, 40}},
         0x0Eu},
        {"moves before a press only take the time",
         {{kMove, 500, 30, 30}, {kMove, 510, 40, 40}},
         {},
         500},
        {"a move after the release adds nothing",
         {{kDown, 1000, 20, 20}, {kUp, 1010, 20, 20}, {kMove, 1100, 60, 60}},
         {{20, 20}},
         1100},
        {"a right press starts nothing",
         {{kDown, 1000, 20, 20, mbRight}, {kMove, 1100, 60, 60}},
         {},
         1100},
        {"a second press during a stroke is ignored",
         {{kDown, 1000, 20, 20}, {kDown, 1100, 60, 60}},
         {{20, 20}},
         1000},
    };
    for (const ThinCase& c : cases) {
        SCOPED_TRACE(c.name);
        NewPen();
        for (const Step& s : c.steps) {
            now = s.t;
            switch (s.kind) {
                case kDown:
                    view.MouseDown(s.button, 0, s.x, s.y);
                    break;
                case kMove:
                    view.MouseMove(0, s.x, s.y);
                    break;
                case kUp:
                    view.MouseUp(s.button, 0, s.x, s.y);
                    break;
            }
        }
        EXPECT_EQ(StrokePoints(), c.points);
        EXPECT_EQ(pen->LastTimeAdd(), c.lastTimeAdd);
    }
}

TEST_F(PenTool, AClickWithoutMovementEndsWithNothingDrawn) {
    view.MouseDown(mbLeft, 0, 50, 50);
    view.MouseUp(mbLeft, 0, 50, 50);
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(StrokePoints(), (std::vector<TPoint>{{50, 50}}));
    EXPECT_EQ(DrawnPixels(), 0);
    EXPECT_FALSE(pen->Drawing());
    EXPECT_EQ(pen->Cursor(), crDefault);
}

TEST_F(PenTool, ARightClickEndsNothing) {
    view.MouseDown(mbRight, 0, 50, 50);
    view.MouseUp(mbRight, 0, 50, 50);
    EXPECT_EQ(ends, 0);
    EXPECT_EQ(pen->Cursor(), crCross);
}

TEST_F(PenTool, TheReleaseNeitherAddsNorRedraws) {
    view.MouseDown(mbLeft, 0, 20, 20);
    now += 40;
    view.MouseMove(ssLeft, 60, 60);
    const TBitmap32 atLastPoint = Draw();
    now += 10;
    view.MouseMove(ssLeft, 90, 90);  // within 30 ms: dropped
    view.MouseUp(mbLeft, 0, 90, 90);
    view.MouseUp(mbLeft, 0, 90, 90);  // a stray second release

    EXPECT_EQ(ends, 1);
    EXPECT_EQ(StrokePoints(), (std::vector<TPoint>{{20, 20}, {60, 60}}));
    EXPECT_TRUE(std::equal(atLastPoint.Pixels().begin(), atLastPoint.Pixels().end(),
                           Draw().Pixels().begin()));
}

// A horizontal stroke along y = 50 (the top edge of pixel row 50): its
// cross-section carries pen-width pixels of ink, full ones in the colour.
TEST_F(PenTool, TheStrokeHasThePenWidthAndColour) {
    constexpr TColor32 kInk = 0xFF00A040u;
    LGSettings().pencolor = kInk;
    for (int width : {1, 2, 5, 8}) {
        SCOPED_TRACE(width);
        LGSettings().penwidth = width;
        NewPen();
        view.MouseDown(mbLeft, 0, 20, 50);
        now += 40;
        view.MouseMove(ssLeft, 80, 50);

        double ink = 0;
        for (int y = 0; y < kViewH; ++y) ink += (*Draw().PixelPtr(50, y) >> 24) / 255.0;
        // An even width fills whole rows; an odd one straddles two rows
        // half-covered, where the blend rule onto the clear draw bitmap
        // leaves the square of the coverage as alpha.
        if (width % 2 == 0) {
            EXPECT_NEAR(ink, width, 0.1);
        } else {
            EXPECT_NEAR(ink, width - 1 + 2 * 0.25, 0.1);
        }
        if (width >= 2) {
            EXPECT_EQ(*Draw().PixelPtr(50, 49), kInk);
            EXPECT_EQ(*Draw().PixelPtr(50, 50), kInk);
        }
        // Rounded ends: half the width beyond the end points, no more.
        const int cap = (width + 1) / 2;
        EXPECT_EQ(*Draw().PixelPtr(20 - cap - 1, 50), kDrawBitmapClear);
        EXPECT_EQ(*Draw().PixelPtr(80 + cap, 50), kDrawBitmapClear);
    }
}

TEST_F(PenTool, ColourAndWidthAreReadAtEveryRedraw) {
    LGSettings().pencolor = 0xFFFF0000u;
    LGSettings().penwidth = 4;
    view.MouseDown(mbLeft, 0, 20, 50);
    now += 40;
    view.MouseMove(ssLeft, 60, 50);
    LGSettings().pencolor = 0xFF0000FFu;
    now += 40;
    view.MouseMove(ssLeft, 60, 90);
    EXPECT_EQ(*Draw().PixelPtr(40, 50), 0xFF0000FFu) << "the whole stroke is drawn again";
}

TEST_F(PenTool, TheRepaintCoversTheStrokeOnly) {
    LGSettings().penwidth = 8;
    view.MouseDown(mbLeft, 0, 30, 30);
    for (TPoint p : {TPoint{60, 40}, TPoint{90, 35}, TPoint{70, 80}}) {
        now += 40;
        view.MouseMove(ssLeft, p.X, p.Y);
        const std::vector<TRect> dirty = view.TakeDirtyRects();
        EXPECT_TRUE(DrawnInside(dirty));
        TRect box;
        for (const TRect& r : dirty) box = UnionRect(box, r);
        EXPECT_LT(box.Width() * box.Height(), kViewW * kViewH / 2);
    }
}

TEST_F(PenTool, OnEndMayReplaceTheLayerAsTheCaptureWindowDoes) {
    LGSettings().pencolor = 0xFFFFFF00u;
    TBitmap32 flattened(kViewW, kViewH);
    TBaseToolLayer* next = nullptr;
    pen->OnEnd = [&](TBaseToolLayer& sender) {
        view.PaintTo(flattened, flattened.BoundsRect());
        view.Layers().Delete(sender.Index());
        next = CreateToolLayer(ctPen, view, kSelection, Draw());
    };
    view.MouseDown(mbLeft, 0, 20, 50);
    now += 40;
    view.MouseMove(ssLeft, 80, 50);
    view.MouseUp(mbLeft, 0, 80, 50);

    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->Index(), 2);
    EXPECT_EQ(*flattened.PixelPtr(50, 50), 0xFFFFFF00u);
    EXPECT_EQ(*flattened.PixelPtr(50, 70), tools_test::kCapture);
    EXPECT_EQ(DrawnPixels(), 0);
}

TEST_F(PenTool, WithoutItsOwnSourceThePenReadsTheProcessTickCount) {
    SetDefaultTickSource([] { return std::uint32_t{777}; });
    auto& plain = TBaseToolLayer::Create<TBasePLToolLayer>(view, kSelection, Draw());
    view.MouseDown(mbLeft, 0, 50, 50);
    SetDefaultTickSource({});
    EXPECT_EQ(plain.LastTimeAdd(), 777u);
}

}  // namespace
}  // namespace lg
