// The class table and what every tool layer is like when it is created.
#include <gtest/gtest.h>

#include "layers/dirty_region.h"
#include "tool_test_support.h"
#include "tools/tool_classes.h"

namespace lg {
namespace {

using tools_test::CaptureView;
using tools_test::kSelection;
using tools_test::kViewH;
using tools_test::kViewW;

using ToolClasses = CaptureView;

TEST_F(ToolClasses, NoLayerForNoToolOrAnUnknownKind) {
    Draw().Clear(0xFF00FF00u);
    for (int kind : {int{ctNone}, kToolKindCount, 255}) {
        SCOPED_TRACE(kind);
        EXPECT_EQ(CreateToolLayer(static_cast<TCurTool>(kind), view, kSelection, Draw()), nullptr);
        EXPECT_FALSE(HasToolClass(static_cast<TCurTool>(kind)));
    }
    EXPECT_EQ(view.Layers().Count(), 2);
    EXPECT_EQ(*Draw().PixelPtr(0, 0), 0xFF00FF00u) << "no layer, no clearing";
}

TEST_F(ToolClasses, ThePenHasAClass) {
    EXPECT_TRUE(HasToolClass(ctPen));
}

// Every kind that has a class, as the capture window creates it after a
// figure was left in the draw bitmap (a layer deleted without a commit).
TEST_F(ToolClasses, EveryToolStartsOnTopOverTheSelectionWithAnEmptyDrawBitmap) {
    for (int k = ctNone + 1; k < kToolKindCount; ++k) {
        const auto kind = static_cast<TCurTool>(k);
        if (!HasToolClass(kind)) continue;
        SCOPED_TRACE(k);
        Draw().Clear(0xFF00FF00u);
        view.TakeDirtyRects();
        const int before = view.Layers().Count();

        TBaseToolLayer* layer = CreateToolLayer(kind, view, kSelection, Draw());
        ASSERT_NE(layer, nullptr);
        EXPECT_EQ(layer->Kind(), kind);
        EXPECT_EQ(view.Layers().Count(), before + 1);
        EXPECT_EQ(layer->Index(), before) << "on top";
        EXPECT_EQ(layer->Location(), kSelection);
        EXPECT_FALSE(layer->Scaled());
        EXPECT_EQ(layer->Cursor(), crCross);
        EXPECT_TRUE(layer->Visible());
        EXPECT_TRUE(layer->MouseEvents());
        EXPECT_TRUE(layer->Bitmap().Empty());
        EXPECT_EQ(&layer->DrawBitmap(), &Draw());
        EXPECT_EQ(&layer->ImgView(), &view);
        EXPECT_EQ(DrawnPixels(), 0);

        TRect dirty;
        for (const TRect& r : view.TakeDirtyRects()) dirty = UnionRect(dirty, r);
        EXPECT_EQ(dirty, (TRect{0, 0, kViewW, kViewH})) << "the old figure is repainted away";
        view.Layers().Delete(layer->Index());
    }
}

}  // namespace
}  // namespace lg
