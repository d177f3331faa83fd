// The two-point tool base: press, drag, release, OnEnd, the paint hook and
// what gets repainted, on a tiny tool that fills the figure rectangle.
#include <gtest/gtest.h>

#include <vector>

#include "layers/dirty_region.h"
#include "tool_test_support.h"
#include "tools/base_2p_tool_layer.h"

namespace lg {
namespace {

using tools_test::CaptureView;
using tools_test::kSelection;
using tools_test::kViewH;
using tools_test::kViewW;

constexpr TColor32 kBox = 0xFF2050A0u;

// Fills the figure rectangle opaquely at every redraw, dragging or not, and
// remembers whether each redraw came during the drag.
class TBoxTool : public TBase2PToolLayer {
public:
    using TBase2PToolLayer::TBase2PToolLayer;
    TCurTool Kind() const override { return ctRect; }
    TRect Figure() const { return FigureRect(); }

    std::vector<bool> draws;  // FDrawingLine at each DrawFigure

protected:
    void DrawFigure() override {
        TBase2PToolLayer::DrawFigure();
        draws.push_back(FDrawingLine);
        DrawBitmap().FillRectTS(FigureRect(), kBox);
        DrawBitmapChanged(FigureRect());
    }
};

class Base2PTool : public CaptureView {
protected:
    Base2PTool() {
        tool = &TBaseToolLayer::Create<TBoxTool>(view, kSelection, Draw());
        tool->OnEnd = [this](TBaseToolLayer& sender) {
            ++ends;
            endSender = &sender;
        };
        view.TakeDirtyRects();
    }

    // Whether exactly the pixels of r are drawn, in the box colour.
    bool DrawnExactly(const TRect& r) {
        for (int y = r.Top; y < r.Bottom; ++y) {
            for (int x = r.Left; x < r.Right; ++x) {
                if (*Draw().PixelPtr(x, y) != kBox) return false;
            }
        }
        return DrawnPixels() == r.Width() * r.Height();
    }

    TRect DirtyBox() {
        TRect box;
        for (const TRect& r : view.TakeDirtyRects()) box = UnionRect(box, r);
        return box;
    }

    TBoxTool* tool;
    int ends = 0;
    TBaseToolLayer* endSender = nullptr;
};

TEST_F(Base2PTool, DragRedrawsFromEmptyAndReleaseDrawsOverThePreview) {
    view.MouseDown(mbLeft, 0, 20, 20);
    EXPECT_TRUE(tool->draws.empty()) << "a press alone draws nothing";

    view.MouseMove(ssLeft, 60, 50);
    EXPECT_TRUE(DrawnExactly({20, 20, 60, 50}));
    view.MouseMove(ssLeft, 40, 30);
    EXPECT_TRUE(DrawnExactly({20, 20, 40, 30})) << "the larger preview is cleared while dragging";

    view.MouseMove(ssLeft, 60, 60);
    view.MouseUp(mbLeft, 0, 40, 40);
    EXPECT_EQ(tool->Figure(), (TRect{20, 20, 40, 40})) << "the release position ends the figure";
    EXPECT_TRUE(DrawnExactly({20, 20, 60, 60})) << "the last preview is not cleared at release";
    EXPECT_EQ(tool->draws, (std::vector<bool>{true, true, true, false}));
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(endSender, tool);
    EXPECT_EQ(tool->Cursor(), crDefault);
}

TEST_F(Base2PTool, AnyDragDirectionGivesTheSameRectangle) {
    struct Case {
        const char* name;
        int x0, y0, x1, y1;
    };
    const Case cases[] = {
        {"down and right", 20, 20, 50, 40},
        {"up and left", 50, 40, 20, 20},
        {"down and left", 50, 20, 20, 40},
        {"up and right", 20, 40, 50, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto& t = TBaseToolLayer::Create<TBoxTool>(view, kSelection, Draw());
        view.MouseDown(mbLeft, 0, c.x0, c.y0);
        view.MouseMove(ssLeft, c.x1, c.y1);
        view.MouseUp(mbLeft, 0, c.x1, c.y1);
        EXPECT_EQ(t.Figure(), (TRect{20, 20, 50, 40}));
        EXPECT_TRUE(DrawnExactly({20, 20, 50, 40}));
        view.Layers().Delete(t.Index());
    }
}

TEST_F(Base2PTool, EveryButtonDrawsAFigure) {
    for (TMouseButton button : {mbLeft, mbRight, mbMiddle}) {
        SCOPED_TRACE(static_cast<int>(button));
        auto& t = TBaseToolLayer::Create<TBoxTool>(view, kSelection, Draw());
        int tEnds = 0;
        t.OnEnd = [&](TBaseToolLayer&) { ++tEnds; };
        view.MouseDown(button, 0, 30, 30);
        view.MouseMove(0, 50, 45);
        view.MouseUp(button, 0, 50, 45);
        EXPECT_EQ(tEnds, 1);
        EXPECT_TRUE(DrawnExactly({30, 30, 50, 45}));
        view.Layers().Delete(t.Index());
    }
}

TEST_F(Base2PTool, EventsOutsideADragAreIgnored) {
    // A release whose press went elsewhere, and moves with no press.
    view.MouseMove(0, 50, 50);
    view.MouseUp(mbLeft, 0, 50, 50);
    EXPECT_EQ(ends, 0);
    EXPECT_TRUE(tool->draws.empty());

    // A finished layer that has not been replaced yet ignores a new figure.
    view.MouseDown(mbLeft, 0, 20, 20);
    view.MouseMove(ssLeft, 40, 40);
    view.MouseUp(mbLeft, 0, 40, 40);
    const std::size_t drawsAtEnd = tool->draws.size();
    view.MouseDown(mbLeft, 0, 60, 60);
    view.MouseMove(ssLeft, 90, 90);
    view.MouseUp(mbLeft, 0, 90, 90);
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(tool->draws.size(), drawsAtEnd);
    EXPECT_TRUE(DrawnExactly({20, 20, 40, 40}));
}

TEST_F(Base2PTool, ADragLeavingTheSelectionDrawsBeyondIt) {
    view.MouseDown(mbLeft, 0, 100, 80);
    view.MouseMove(ssLeft, 150, 130);
    view.MouseUp(mbLeft, 0, 150, 130);
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(DrawnExactly({100, 80, 150, 130}));
}

TEST_F(Base2PTool, OnEndMayReplaceTheLayerAsTheCaptureWindowDoes) {
    TBitmap32 flattened;
    TBaseToolLayer* next = nullptr;
    tool->OnEnd = [&](TBaseToolLayer& sender) {
        flattened.SetSize(kViewW, kViewH);
        view.PaintTo(flattened, flattened.BoundsRect());
        view.Layers().Delete(sender.Index());
        next = &TBaseToolLayer::Create<TBoxTool>(view, kSelection, Draw());
    };
    view.MouseDown(mbLeft, 0, 20, 20);
    view.MouseMove(ssLeft, 40, 30);
    view.MouseUp(mbLeft, 0, 40, 30);

    ASSERT_NE(next, nullptr);
    EXPECT_EQ(*flattened.PixelPtr(25, 25), kBox) << "the figure was still there to be committed";
    EXPECT_EQ(*flattened.PixelPtr(45, 25), tools_test::kCapture) << "the capture shows beside it";
    EXPECT_EQ(view.Layers().Count(), 3);
    EXPECT_EQ(next->Index(), 2);
    EXPECT_EQ(DrawnPixels(), 0) << "the next layer starts from an empty draw bitmap";
}

TEST_F(Base2PTool, PaintHookRedrawsAndTheRepaintsSettle) {
    TBitmap32 buffer(kViewW, kViewH);
    auto paintUntilClean = [&] {
        int paints = 0;
        while (view.HasDirtyRects() && paints < 10) {
            view.PaintDirtyRects(buffer);
            ++paints;
        }
        return paints;
    };

    view.Invalidate();
    paintUntilClean();
    EXPECT_TRUE(tool->draws.empty()) << "no figure before the first press";

    view.MouseDown(mbLeft, 0, 20, 20);
    view.MouseMove(ssLeft, 40, 30);
    view.MouseUp(mbLeft, 0, 40, 30);
    const std::size_t drawsAtEnd = tool->draws.size();
    EXPECT_EQ(paintUntilClean(), 2) << "a redraw from the paint hook costs one extra paint";
    EXPECT_FALSE(view.HasDirtyRects());
    EXPECT_GT(tool->draws.size(), drawsAtEnd);
    EXPECT_FALSE(tool->draws.back()) << "after the release the hook draws over the figure";
    EXPECT_EQ(*buffer.PixelPtr(25, 25), kBox);
    EXPECT_TRUE(DrawnExactly({20, 20, 40, 30}));
}

TEST_F(Base2PTool, OnlyTheFigureIsRepainted) {
    view.MouseDown(mbLeft, 0, 20, 20);
    view.MouseMove(ssLeft, 60, 50);
    EXPECT_EQ(DirtyBox(), (TRect{20, 20, 60, 50}));
    view.MouseMove(ssLeft, 40, 30);
    EXPECT_EQ(DirtyBox(), (TRect{20, 20, 60, 50})) << "the cleared preview is repainted too";

    // The draw layer shows its bitmap from its own top-left.
    drawLayer->SetLocation(TFloatRect{5, 7, 5 + kViewW, 7 + kViewH});
    view.TakeDirtyRects();
    view.MouseMove(ssLeft, 30, 25);
    EXPECT_EQ(DirtyBox(), (TRect{25, 27, 45, 37}));
}

}  // namespace
}  // namespace lg
