#include "capture/rubberband_layer_new.h"

#include <gtest/gtest.h>

#include "layers/img_view32.h"
#include "raster/blend.h"
#include "raster/fake_text_rasterizer.h"

namespace lg {
namespace {

// A selection layer on a view of a 400 × 300 capture, selection
// (100, 100, 200, 180) complete.
class SelectionLayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetDefaultTextRasterizer(&text_);
        view_.Bitmap().SetSize(400, 300);
        for (TColor32& p : view_.Bitmap().Pixels()) p = kGround;
        layer_ = &view_.Layers().Add<TRubberbandLayerNew>();
        layer_->SetRectWork(TRect{0, 0, 400, 300});
        layer_->HasCurrentTool = [this] { return hasTool_; };
        layer_->SetLocation(TFloatRect{100, 100, 200, 180});
        layer_->SetVisibleRect(true);
        layer_->SetSelectState(ssEnd);
    }
    void TearDown() override { SetDefaultTextRasterizer(nullptr); }

    TBitmap32 Paint() {
        TBitmap32 out(400, 300);
        view_.PaintTo(out, out.BoundsRect());
        return out;
    }

    static constexpr TColor32 kGround = 0xFF4080C0u;
    testing::FakeTextRasterizer text_;
    TImgView32 view_;
    TRubberbandLayerNew* layer_ = nullptr;
    bool hasTool_ = false;
};

TEST_F(SelectionLayerTest, DragStateBandsAndPriorities) {
    // The frame's pixels run from (100, 100) to (199, 179); bands are 7 wide.
    struct Case {
        int x, y;
        bool tool;
        TDragState expected;
        const char* why;
    };
    const Case cases[] = {
        {199, 179, false, dsSizeBR, "bottom-right corner"},
        {100, 100, false, dsSizeTL, "top-left corner"},
        {206, 100, false, dsSizeTR, "7 px right of the right edge still counts"},
        {207, 140, false, dsMove, "8 px right of it is outside"},
        {199, 10, false, dsSizeR, "the right band runs along the whole line"},
        {150, 179, true, dsSizeB, "bottom band beats the tool"},
        {94, 140, false, dsSizeL, "left band"},
        {150, 94, false, dsSizeT, "top band"},
        {150, 140, false, dsMove, "inside without a tool moves"},
        {150, 140, true, dsNone, "inside with a tool goes to the tool"},
        {20, 20, true, dsMove, "outside moves whatever the tool"},
    };
    for (const Case& c : cases) {
        hasTool_ = c.tool;
        EXPECT_EQ(layer_->GetDragState(c.x, c.y), c.expected) << c.why;
    }
}

TEST_F(SelectionLayerTest, SmallSelectionCornersFavourBottomRightThenBottomLeft) {
    layer_->SetLocation(TFloatRect{100, 100, 110, 110});  // frame 100..109
    EXPECT_EQ(layer_->GetDragState(105, 105), dsSizeBR);
    layer_->SetLocation(TFloatRect{100, 100, 120, 110});  // frame 100..119, rows 100..109
    EXPECT_EQ(layer_->GetDragState(101, 105), dsSizeBL);
    layer_->SetLocation(TFloatRect{100, 100, 110, 130});
    EXPECT_EQ(layer_->GetDragState(105, 101), dsSizeTR);
}

TEST_F(SelectionLayerTest, NoDragStateWithoutACompleteSelection) {
    for (TSelectState s : {ssNoVis, ssMove}) {
        layer_->SetSelectState(s);
        EXPECT_EQ(layer_->GetDragState(100, 100), dsNone);
    }
    layer_->SetSelectState(ssEnd);
    layer_->SetVisibleRect(false);
    EXPECT_EQ(layer_->GetDragState(100, 100), dsNone);
}

TEST_F(SelectionLayerTest, DraggingAnEdgeAcrossTheOppositeOneTurnsTheSelectionOver) {
    int resizes = 0;
    layer_->OnResizing = [&](TRubberbandLayer&, const TFloatRect& old, TFloatRect&, TDragState ds,
                             TShiftState) {
        ++resizes;
        EXPECT_EQ(ds, dsSizeL);
        EXPECT_EQ(old, (TFloatRect{100, 100, 200, 180}));
    };
    view_.MouseDown(mbLeft, ssLeft, 100, 140);
    view_.MouseMove(ssLeft, 150, 140);
    EXPECT_EQ(layer_->Location(), (TFloatRect{150, 100, 200, 180}));
    view_.MouseMove(ssLeft, 250, 140);  // 50 px past the right edge
    EXPECT_EQ(layer_->Location(), (TFloatRect{200, 100, 250, 180}));
    view_.MouseUp(mbLeft, 0, 250, 140);
    EXPECT_EQ(resizes, 2);
    EXPECT_FALSE(layer_->IsDragging());
}

TEST_F(SelectionLayerTest, MovingKeepsTheSizeAndTheHandlerHasTheLastWord) {
    layer_->OnResizing = [](TRubberbandLayer&, const TFloatRect&, TFloatRect& next, TDragState,
                            TShiftState) {
        if (next.Left < 0) {
            next.Left = 0;  // the capture window clamps edge by edge
        }
    };
    view_.MouseDown(mbLeft, ssLeft, 20, 20);  // outside: a move
    view_.MouseMove(ssLeft, 30, 25);
    EXPECT_EQ(layer_->Location(), (TFloatRect{110, 105, 210, 185}));
    view_.MouseMove(ssLeft, -200, 25);
    EXPECT_EQ(layer_->Location(), (TFloatRect{0, 105, -20, 185}));
}

TEST_F(SelectionLayerTest, PaintsDimmingFrameHandlesAndLabel) {
    TBitmap32 out = Paint();
    const TColor32 dimmed = BlendByAlpha(kSelectionDim, kGround);
    EXPECT_EQ(*out.PixelPtr(10, 10), dimmed) << "outside is dimmed";
    EXPECT_EQ(*out.PixelPtr(150, 140), kGround) << "inside is not";
    // Clockwise from the top-left: 4 white, 4 black, ... (the corner
    // handle covers the first few).
    for (int x = 112; x < 116; ++x) EXPECT_EQ(*out.PixelPtr(x, 100), 0xFF000000u) << x;
    for (int x = 116; x < 120; ++x) EXPECT_EQ(*out.PixelPtr(x, 100), 0xFFFFFFFFu) << x;
    // Down the right edge the pattern goes on where the top edge ended.
    const int topEdge = 100;  // pixels 100..199 of row 100
    for (int y = 120; y < 124; ++y) {
        const int i = topEdge + (y - 101);
        EXPECT_EQ(*out.PixelPtr(199, y), (i & 4) ? 0xFF000000u : 0xFFFFFFFFu) << y;
    }
    // A handle at the top-right corner: black dot in a white ring.
    EXPECT_EQ(*out.PixelPtr(200, 100) & 0x00FFFFFFu, 0u);
    EXPECT_GE(*out.PixelPtr(204, 100) & 0xFF, 0xF0u) << "white ring (smoothed)";
    EXPECT_EQ(SelectionSizeLabel(640, 480), u"640x480");
}

TEST_F(SelectionLayerTest, PromptFollowsThePointerOverTheDimmedScreen) {
    layer_->SetVisibleRect(false);
    layer_->SetPointerPos(50, 60);
    TBitmap32 out = Paint();
    const TColor32 dimmed = BlendByAlpha(kSelectionDim, kGround);
    EXPECT_EQ(*out.PixelPtr(150, 140), dimmed) << "everything is dimmed";
    EXPECT_EQ(*out.PixelPtr(66, 76), 0xFFFFFFFFu) << "the box starts 15 px off the pointer";
    // The fake draws glyphs as boxes: text starts 5 px into the box.
    EXPECT_EQ(*out.PixelPtr(70, 80) & 0x00FFFFFFu, 0u);
}

}  // namespace
}  // namespace lg
