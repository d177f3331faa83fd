// What every two-point tool has in common: the figure does not depend on
// the direction of the drag, and a click without a drag ends the figure
// with nothing drawn.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "settings/settings.h"
#include "tool_test_support.h"
#include "tools/tool_classes.h"
#include "tools/tool_point.h"

namespace lg {
namespace {

using tools_test::CaptureView;
using tools_test::kSelection;

struct ToolCase {
    std::string name;
    TCurTool kind;
};

// The tools whose figure is symmetric in its two points. The arrow is not:
// its head marks the release end.
const std::vector<ToolCase> kSymmetricTools = {
    {"line", ctLine},
    {"rectangle outline", ctRect},
    {"translucent filled rectangle", ctTrRect},
    {"opaque filled rectangle", ctFillRect},
    {"blur", ctRectGaus},
};

class ShapeTools : public CaptureView {
protected:
    ShapeTools() {
        // A capture with detail, so the blur has something to change.
        for (int y = 0; y < tools_test::kViewH; ++y) {
            for (int x = 0; x < tools_test::kViewW; ++x) {
                *view.Bitmap().PixelPtr(x, y) = ((x / 3 + y / 2) % 2) ? 0xFF102030u : 0xFFE0D0C0u;
            }
        }
    }

    // Drags with a new layer of `kind` from `from` to `to` through a point
    // halfway, releases, and lets the view paint once more.
    TBitmap32 Drag(TCurTool kind, TPoint from, TPoint to) {
        TBaseToolLayer* layer = CreateToolLayer(kind, view, kSelection, Draw());
        ends = 0;
        layer->OnEnd = [this](TBaseToolLayer&) { ++ends; };
        view.MouseDown(mbLeft, 0, from.X, from.Y);
        view.MouseMove(ssLeft, (from.X + to.X) / 2, (from.Y + to.Y) / 2);
        view.MouseMove(ssLeft, to.X, to.Y);
        view.MouseUp(mbLeft, 0, to.X, to.Y);
        Paint();
        TBitmap32 result = Draw();
        view.Layers().Delete(layer->Index());
        return result;
    }

    void Paint() {
        TBitmap32 screen(tools_test::kViewW, tools_test::kViewH);
        view.PaintTo(screen, screen.BoundsRect());
    }

    static bool Same(const TBitmap32& a, const TBitmap32& b) {
        return std::equal(a.Pixels().begin(), a.Pixels().end(), b.Pixels().begin(),
                          b.Pixels().end());
    }

    int ends = 0;
};

TEST_F(ShapeTools, DraggingUpLeftGivesTheSamePixelsAsDownRight) {
    for (const ToolCase& c : kSymmetricTools) {
        SCOPED_TRACE(c.name);
        const TBitmap32 downRight = Drag(c.kind, {30, 25}, {90, 70});
        const TBitmap32 upLeft = Drag(c.kind, {90, 70}, {30, 25});
        EXPECT_GT(std::count_if(downRight.Pixels().begin(), downRight.Pixels().end(),
                                [](TColor32 p) { return p != kDrawBitmapClear; }),
                  0)
            << "something is drawn";
        EXPECT_TRUE(Same(downRight, upLeft));
    }
}

TEST_F(ShapeTools, AClickWithoutADragDrawsNothingButEndsTheFigure) {
    for (const ToolCase& c : kSymmetricTools) {
        SCOPED_TRACE(c.name);
        const TBitmap32 clicked = Drag(c.kind, {50, 50}, {50, 50});
        EXPECT_EQ(ends, 1);
        EXPECT_TRUE(std::all_of(clicked.Pixels().begin(), clicked.Pixels().end(),
                                [](TColor32 p) { return p == kDrawBitmapClear; }));
    }
    SCOPED_TRACE("arrow");
    const TBitmap32 clicked = Drag(ctArrow, {50, 50}, {50, 50});
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(std::all_of(clicked.Pixels().begin(), clicked.Pixels().end(),
                            [](TColor32 p) { return p == kDrawBitmapClear; }));
}

// A drag to one point and a release at another, without a move there:
// opaque figures draw the release over the last preview, translucent ones
// and the arrow keep only the preview, the blur is computed afresh.
TEST_F(ShapeTools, WhatTheReleaseAddsToTheLastPreview) {
    struct Case {
        std::string name;
        TCurTool kind;
        TPoint onPreview;  // on the figure to (100, 40) only
        TPoint onRelease;  // on the figure to (40, 100) only
        bool previewKept;
        bool releaseDrawn;
    };
    const std::vector<Case> cases = {
        {"line", ctLine, {80, 37}, {37, 80}, true, true},
        {"rectangle outline", ctRect, {80, 40}, {40, 80}, true, true},
        {"opaque filled rectangle", ctFillRect, {80, 35}, {35, 80}, true, true},
        {"arrow", ctArrow, {70, 36}, {36, 70}, true, false},
        {"translucent filled rectangle", ctTrRect, {80, 35}, {35, 80}, true, false},
        {"blur", ctRectGaus, {80, 35}, {35, 80}, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TBaseToolLayer* layer = CreateToolLayer(c.kind, view, kSelection, Draw());
        view.MouseDown(mbLeft, 0, 30, 30);
        view.MouseMove(ssLeft, 100, 40);
        view.MouseUp(mbLeft, 0, 40, 100);
        Paint();
        EXPECT_EQ(*Draw().PixelPtr(c.onPreview.X, c.onPreview.Y) != kDrawBitmapClear,
                  c.previewKept);
        EXPECT_EQ(*Draw().PixelPtr(c.onRelease.X, c.onRelease.Y) != kDrawBitmapClear,
                  c.releaseDrawn);
        view.Layers().Delete(layer->Index());
    }
}

TEST_F(ShapeTools, OpaqueFiguresUseThePenColourAsIs) {
    LGSettings().pencolor = 0xFF3080F0u;
    LGSettings().penwidth = 6;
    struct Case {
        std::string name;
        TCurTool kind;
        TPoint end;     // dragged from (20, 30) to here
        TPoint inside;  // well inside the drawn figure
    };
    const std::vector<Case> cases = {
        {"line", ctLine, {100, 30}, {60, 30}},
        {"rectangle outline, centred on the edge", ctRect, {100, 70}, {60, 28}},
        {"opaque filled rectangle", ctFillRect, {100, 70}, {60, 50}},
        {"arrow shaft", ctArrow, {100, 30}, {40, 30}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TBaseToolLayer* layer = CreateToolLayer(c.kind, view, kSelection, Draw());
        view.MouseDown(mbLeft, 0, 20, 30);
        view.MouseMove(ssLeft, c.end.X, c.end.Y);
        view.MouseUp(mbLeft, 0, c.end.X, c.end.Y);
        EXPECT_EQ(*Draw().PixelPtr(c.inside.X, c.inside.Y), 0xFF3080F0u);
        view.Layers().Delete(layer->Index());
    }
}

}  // namespace
}  // namespace lg
