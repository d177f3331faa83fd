#include "capture/rubberband_layer_new.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

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

// The 96-DPI sizes at 100, 150 and 200 %: the hit band, the handle discs,
// the size label's box and font, and where the prompt's box begins.
TEST_F(SelectionLayerTest, SizesFollowTheScale) {
    struct Case {
        int dpi;
        int band;                   // the right band reaches this far past x = 199
        int black;                  // handle at (200, 100): black this far right of it,
        int white;                  // its white ring here, nothing 4 further
        int labelTop, labelBottom;  // the label box's rows (text 10 pt at dpi)
        int promptBox;              // the prompt box's offset from the pointer
        const char* why;
    };
    const Case cases[] = {
        {96, 7, 2, 4, 75, 93, 15, "as written: 7, radii 6 and 4, 13 px text + 12 / 7"},
        {144, 11, 4, 7, 62, 89, 23, "10.5 rounds up; radii 9 and 6; 20 px text + 18 / 11"},
        {192, 14, 6, 10, 50, 86, 30, "twice: radii 12 and 8; 26 px text + 24 / 14"},
    };
    const TColor32 dimmed = BlendByAlpha(kSelectionDim, kGround);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        layer_->SetScale(DisplayScale(c.dpi));
        EXPECT_EQ(layer_->GetDragState(199 + c.band, 140), dsSizeR);
        EXPECT_EQ(layer_->GetDragState(200 + c.band, 140), dsMove);
        EXPECT_EQ(layer_->GetDragState(150, 100 - c.band), dsSizeT);
        EXPECT_EQ(layer_->GetDragState(150, 99 - c.band), dsMove);

        text_.drawn.clear();
        TBitmap32 out = Paint();
        ASSERT_FALSE(text_.drawn.empty());
        EXPECT_EQ(text_.drawn.back().Size, 10);
        EXPECT_EQ(text_.drawn.back().Dpi, c.dpi) << "points converted at the display's DPI";
        EXPECT_EQ(*out.PixelPtr(200 + c.black, 100) & 0x00FFFFFFu, 0u) << "black dot";
        EXPECT_GE(*out.PixelPtr(200 + c.white, 100) & 0xFF, 0xF0u) << "white ring";
        EXPECT_EQ(*out.PixelPtr(200 + c.white + 4, 100), dimmed) << "nothing beyond it";

        // The label box (translucent black) beside its text's left margin.
        const TColor32 box = BlendByAlpha(0x7F000000u, dimmed);
        EXPECT_EQ(*out.PixelPtr(101, c.labelTop - 1), dimmed);
        EXPECT_EQ(*out.PixelPtr(101, c.labelTop), box);
        EXPECT_EQ(*out.PixelPtr(101, c.labelBottom - 1), box);
        EXPECT_EQ(*out.PixelPtr(101, c.labelBottom), dimmed);

        layer_->SetVisibleRect(false);
        layer_->SetPointerPos(20, 30);
        out = Paint();
        EXPECT_EQ(*out.PixelPtr(20 + c.promptBox - 1, 30 + c.promptBox), dimmed);
        EXPECT_EQ(*out.PixelPtr(20 + c.promptBox, 30 + c.promptBox), 0xFFFFFFFFu);
        layer_->SetVisibleRect(true);
    }
}

// Glyphs `factor` times as large as the fake's: text far beyond any fixed
// margin.
class LargeGlyphs final : public TextRasterizer {
public:
    explicit LargeGlyphs(int factor) : factor_(factor) {}
    TSize Measure(const TFontDesc& font, std::u16string_view text) override {
        return fake_.Measure(Enlarged(font), text);
    }
    void Draw(TBitmap32& target, int x, int y, std::u16string_view text,
              const TFontDesc& font) override {
        fake_.Draw(target, x, y, text, Enlarged(font));
    }

private:
    TFontDesc Enlarged(TFontDesc f) const {
        f.Size *= factor_;
        return f;
    }
    int factor_;
    testing::FakeTextRasterizer fake_;
};

// Repainting only the dirty rectangles after each change gives the same
// screen as painting everything: the label and the prompt leave no trail
// however large their text is.
TEST_F(SelectionLayerTest, PartialRepaintEqualsAFullOneWithLargeText) {
    struct Config {
        const char* name;
        int dpi;
        int glyphFactor;
    };
    const Config configs[] = {
        {"200 %", 192, 1},
        {"150 %", 144, 1},
        {"glyphs four times as large at 100 %", 96, 4},
    };
    for (const Config& cfg : configs) {
        SCOPED_TRACE(cfg.name);
        LargeGlyphs glyphs(cfg.glyphFactor);
        struct Detach {
            TRubberbandLayerNew* layer;
            ~Detach() { layer->SetTextRasterizer(nullptr); }
        } detach{layer_};
        layer_->SetTextRasterizer(&glyphs);
        layer_->SetScale(DisplayScale(cfg.dpi));
        layer_->SetVisibleRect(true);
        layer_->SetLocation(TFloatRect{100, 100, 200, 180});

        const std::pair<const char*, std::function<void()>> steps[] = {
            {"move the selection down and right",
             [&] {
                 view_.MouseDown(mbLeft, ssLeft, 20, 20);
                 view_.MouseMove(ssLeft, 60, 90);
             }},
            {"and back up, the label above the screen", [&] { view_.MouseMove(ssLeft, 30, -80); }},
            {"release", [&] { view_.MouseUp(mbLeft, 0, 30, -80); }},
            {"widen it: a longer label",
             [&] {
                 layer_->SetLocation({100, 120, 1000, 1180});
             }},
            {"narrow it again",
             [&] {
                 layer_->SetLocation({150, 150, 158, 160});
             }},
            {"back to 100 %", [&] { layer_->SetScale(DisplayScale()); }},
            {"and to the configured scale", [&] { layer_->SetScale(DisplayScale(cfg.dpi)); }},
            {"the prompt", [&] { layer_->SetVisibleRect(false); }},
            {"the prompt follows the pointer", [&] { layer_->SetPointerPos(10, 10); }},
            {"a step right", [&] { layer_->SetPointerPos(40, 15); }},
            {"far down", [&] { layer_->SetPointerPos(200, 250); }},
            {"the pointer onto a 100 % display", [&] { layer_->SetScale(DisplayScale()); }},
            {"and back", [&] { layer_->SetScale(DisplayScale(cfg.dpi)); }},
        };
        TBitmap32 screen = Paint();
        view_.TakeDirtyRects();
        for (const auto& [name, step] : steps) {
            SCOPED_TRACE(name);
            step();
            view_.PaintDirtyRects(screen);
            const TBitmap32 full = Paint();
            view_.TakeDirtyRects();
            for (int y = 0; y < 300; ++y) {
                for (int x = 0; x < 400; ++x) {
                    ASSERT_EQ(*screen.PixelPtr(x, y), *full.PixelPtr(x, y))
                        << x << "," << y << " lies outside every dirty rectangle";
                }
            }
        }
    }
}

}  // namespace
}  // namespace lg
