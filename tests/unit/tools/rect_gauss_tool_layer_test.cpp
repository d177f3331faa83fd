// The blur tool: which rectangles are blurred, that the result is opaque
// and read from the committed capture, and the capture's edge.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "raster/blur.h"
#include "tool_test_support.h"
#include "tools/rect_gauss_tool_layer.h"

namespace lg {
namespace {

using tools_test::CaptureView;
using tools_test::kCapture;
using tools_test::kSelection;
using tools_test::kViewH;
using tools_test::kViewW;

class BlurTool : public CaptureView {
protected:
    BlurTool() {
        // Stripes of two colours, two pixels each: a blur cannot leave them.
        for (int y = 0; y < kViewH; ++y) {
            for (int x = 0; x < kViewW; ++x) {
                *view.Bitmap().PixelPtr(x, y) = ((x + y) / 2 % 2) ? kDark : kLight;
            }
        }
    }
    void DragBlur(TRect r) {
        auto& tool = TBaseToolLayer::Create<TRectGaussToolLayer>(view, kSelection, Draw());
        ends = 0;
        tool.OnEnd = [this](TBaseToolLayer&) { ++ends; };
        view.MouseDown(mbLeft, 0, r.Left, r.Top);
        view.MouseMove(ssLeft, r.Right, r.Bottom);
        view.MouseUp(mbLeft, 0, r.Right, r.Bottom);
        TBitmap32 screen(kViewW, kViewH);
        view.PaintTo(screen, screen.BoundsRect());
    }
    // The capture's pixels of r (inside the capture), optionally blurred the
    // way the tool does, as an opaque bitmap.
    TBitmap32 Expected(TRect r, bool blurred) {
        TBitmap32 b(r.Width(), r.Height());
        b.Draw(b.BoundsRect(), r, view.Bitmap());
        if (blurred) BoxBlur(b, kBlurRadius);
        for (TColor32& p : b.Pixels()) p |= 0xFF000000u;
        return b;
    }
    bool DrawMatches(TRect r, const TBitmap32& expected) {
        for (int y = r.Top; y < r.Bottom; ++y) {
            for (int x = r.Left; x < r.Right; ++x) {
                if (*Draw().PixelPtr(x, y) != *expected.PixelPtr(x - r.Left, y - r.Top)) {
                    return false;
                }
            }
        }
        return DrawnPixels() == r.Width() * r.Height();
    }
    static constexpr TColor32 kDark = 0xFF101820u, kLight = 0xFFF0E0D0u;
    int ends = 0;
};

TEST_F(BlurTool, OnlyRectanglesWiderAndTallerThanFivePixelsAreBlurred) {
    struct Case {
        std::string why;
        TRect r;
        bool blurred;
    };
    const std::vector<Case> cases = {
        {"6 x 6: both sides exceed 5", {40, 40, 46, 46}, true},
        {"5 x 40: too narrow, copied", {40, 30, 45, 70}, false},
        {"40 x 5: too low, copied", {30, 40, 70, 45}, false},
        {"a large rectangle", {20, 20, 100, 90}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        DragBlur(c.r);
        EXPECT_EQ(ends, 1);
        const TBitmap32 expected = Expected(c.r, c.blurred);
        EXPECT_TRUE(DrawMatches(c.r, expected));
        if (c.blurred) {
            EXPECT_FALSE(DrawMatches(c.r, Expected(c.r, false))) << "the stripes are smoothed";
        }
    }
}

TEST_F(BlurTool, BeyondTheCaptureEdgeOnlyTheCapturedPartIsBlurred) {
    // A flat corner: a blur keeps it flat unless something from outside the
    // capture is mixed in.
    for (int y = 80; y < kViewH; ++y) {
        for (int x = 100; x < kViewW; ++x) *view.Bitmap().PixelPtr(x, y) = kCapture;
    }
    // Pressed inside the selection, released beyond the capture's corner.
    DragBlur({100, 80, kViewW + 30, kViewH + 25});
    EXPECT_EQ(ends, 1);
    const TRect inside{100, 80, kViewW, kViewH};
    TBitmap32 flat(inside.Width(), inside.Height());
    flat.Clear(kCapture);
    EXPECT_TRUE(DrawMatches(inside, flat)) << "no dark border at the capture's edge";
}

TEST_F(BlurTool, ADragOutOverTheTopLeftBlursTheOverlap) {
    DragBlur({60, 50, -30, -20});
    EXPECT_EQ(ends, 1);
    const TRect overlap{0, 0, 60, 50};
    EXPECT_TRUE(DrawMatches(overlap, Expected(overlap, true)));
}

}  // namespace
}  // namespace lg
