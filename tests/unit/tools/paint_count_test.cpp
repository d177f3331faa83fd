// A mouse move of a two-point tool costs one DrawFigure and one paint of
// what changed: the paint's hook finds the figure already drawn, so it
// neither redraws nor asks for a paint after the paint.
#include <gtest/gtest.h>

#include "layers/dirty_region.h"
#include "tool_test_support.h"
#include "tools/rect_gauss_tool_layer.h"
#include "tools/rect_tool_layer.h"

namespace lg {
namespace {

using tools_test::CaptureView;
using tools_test::kSelection;
using tools_test::kViewH;
using tools_test::kViewW;

template <class Tool>
class Counted : public Tool {
public:
    using Tool::Tool;
    int drawFigureCalls = 0;

protected:
    void DrawFigure() override {
        ++drawFigureCalls;
        Tool::DrawFigure();
    }
};

class PaintCount : public CaptureView {
protected:
    // The host: what the view marked dirty and what the system exposes
    // (the box of the invalidated rectangles) painted in one go, as often
    // as the view asks.
    int PaintAll() {
        int paints = 0;
        while (exposed_.Width() > 0 && paints < 10) {
            const TRect exposed = exposed_;
            exposed_ = TRect{};
            view.PaintDirtyRects(buffer_, exposed);
            ++paints;
        }
        return paints;
    }

    template <class Tool>
    void Drag(Counted<Tool>& tool, const char* name) {
        SCOPED_TRACE(name);
        view.OnInvalidate = [this](const TRect& r) { exposed_ = UnionRect(exposed_, r); };
        view.MouseDown(mbLeft, 0, 30, 30);
        EXPECT_EQ(PaintAll(), 0) << "a press draws nothing";
        const std::uint64_t hooksBefore = view.PaintHookRunsForTest();
        constexpr int kMoves = 12;
        for (int i = 1; i <= kMoves; ++i) {
            view.MouseMove(ssLeft, 30 + 6 * i, 30 + 5 * i);
            EXPECT_EQ(PaintAll(), 1) << "move " << i << ": one paint, none after it";
            EXPECT_EQ(tool.drawFigureCalls, i) << "move " << i;
        }
        EXPECT_EQ(view.PaintHookRunsForTest() - hooksBefore, std::uint64_t{kMoves})
            << "the hook ran once per move";
    }

    TBitmap32 buffer_{kViewW, kViewH};
    TRect exposed_;
};

TEST_F(PaintCount, EachMoveOfATwoPointToolDrawsAndPaintsOnce) {
    auto& rect = TBaseToolLayer::Create<Counted<TRectToolLayer>>(view, kSelection, Draw());
    Drag(rect, "rectangle");
}

TEST_F(PaintCount, EachMoveOfTheBlurDrawsAndPaintsOnce) {
    auto& blur = TBaseToolLayer::Create<Counted<TRectGaussToolLayer>>(view, kSelection, Draw());
    Drag(blur, "blur");
}

// A paint before any move after the press still draws the (empty) figure,
// as every paint of a pressed layer did, and only once.
TEST_F(PaintCount, APaintBeforeTheFirstMoveDrawsTheFigureOnce) {
    auto& rect = TBaseToolLayer::Create<Counted<TRectToolLayer>>(view, kSelection, Draw());
    view.MouseDown(mbLeft, 0, 30, 30);
    view.PaintDirtyRects(buffer_, TRect{0, 0, 50, 50});
    view.PaintDirtyRects(buffer_, TRect{0, 0, 50, 50});
    EXPECT_EQ(rect.drawFigureCalls, 1);
}

}  // namespace
}  // namespace lg
