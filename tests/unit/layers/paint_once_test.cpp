// The host paints what the view marked dirty and what the system exposed
// in one pass: each pixel once, each rectangle's layers once.
#include <gtest/gtest.h>

#include <vector>

#include "layers/dirty_region.h"
#include "layers/img_view32.h"
#include "layers/positioned_layer.h"

namespace lg {
namespace {

struct PaintCase {
    const char* why;
    std::vector<TRect> dirty;
    TRect exposed;
    std::vector<TRect> painted;
};

TEST(PaintDirtyRects, MergesTheExposedAreaWithTheDirtyOnes) {
    const PaintCase cases[] = {
        {"the system exposes what the view asked for",
         {{10, 10, 30, 30}},
         {10, 10, 30, 30},
         {{10, 10, 30, 30}}},
        {"the exposed box holds two dirty rectangles",
         {{10, 10, 20, 20}, {60, 60, 70, 70}},
         {10, 10, 70, 70},
         {{10, 10, 70, 70}}},
        {"nothing exposed: the dirty rectangles alone", {{10, 10, 20, 20}}, {}, {{10, 10, 20, 20}}},
        {"exposed only, cut to the client area", {}, {-5, 90, 40, 140}, {{0, 90, 40, 100}}},
    };
    for (const PaintCase& c : cases) {
        SCOPED_TRACE(c.why);
        TImgView32 view;
        TBitmap32 picture(100, 100);
        picture.Clear(0xFF102030u);
        view.SetBitmap(picture);
        auto& layer = view.Layers().Add<TPositionedLayer>();
        std::vector<TRect> hooked;
        layer.OnPaint = [&](TCustomLayer&, TBitmap32& b) { hooked.push_back(b.ClipRect()); };
        TBitmap32 buffer(100, 100);
        view.TakeDirtyRects();
        for (const TRect& r : c.dirty) view.InvalidateRect(r);
        const std::vector<TRect> painted = view.PaintDirtyRects(buffer, c.exposed);
        EXPECT_EQ(painted, c.painted);
        EXPECT_EQ(hooked, c.painted) << "layers paint each rectangle once";
        EXPECT_EQ(view.PaintHookRunsForTest(), c.painted.size());
        EXPECT_FALSE(view.HasDirtyRects());
    }
}

}  // namespace
}  // namespace lg
