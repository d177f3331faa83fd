// The numbered stamp: the disc, the number on it, and the numbering across
// undo and redo.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "capture/store_list_bitmap32.h"
#include "raster/blend.h"
#include "raster/fake_text_rasterizer.h"
#include "raster/text_rasterizer.h"
#include "settings/settings.h"
#include "tool_test_support.h"
#include "tools/stamp_counter.h"
#include "tools/stamp_tool_layer.h"

namespace lg {
namespace {

using tools_test::CaptureView;
using tools_test::kSelection;

// The fake boxes, plus a record of the texts drawn.
class RecordingRasterizer final : public TextRasterizer {
public:
    TSize Measure(const TFontDesc& font, std::u16string_view text) override {
        return fake.Measure(font, text);
    }
    void Draw(TBitmap32& target, int x, int y, std::u16string_view text,
              const TFontDesc& font) override {
        texts.emplace_back(text);
        fake.Draw(target, x, y, text, font);
    }
    testing::FakeTextRasterizer fake;
    std::vector<std::u16string> texts;
};

class StampTool : public CaptureView {
protected:
    StampTool() : savedCounter(StampCounter()) { SetDefaultTextRasterizer(&text); }
    ~StampTool() override {
        SetDefaultTextRasterizer(nullptr);
        StampCounter() = savedCounter;
    }

    // One stamp at (x, y) as the capture window does it: a fresh layer, a
    // press, and on OnEnd the commit with its snapshot flagged as a stamp.
    void Stamp(int x, int y, TStoreListBitmap32* store = nullptr) {
        auto& tool = TBaseToolLayer::Create<TStampToolLayer>(view, kSelection, Draw());
        ends = 0;
        tool.OnEnd = [&](TBaseToolLayer& sender) {
            ++ends;
            if (store) store->AddBitmap(Draw(), sender.Kind() == ctStamp);
        };
        view.MouseDown(mbLeft, 0, x, y);
        view.Layers().Delete(tool.Index());
    }
    std::u16string LastNumber() const { return text.texts.empty() ? u"" : text.texts.back(); }

    RecordingRasterizer text;
    int savedCounter;
    int ends = 0;
};

TEST_F(StampTool, NumbersFollowTheCounterThroughUndoAndRedo) {
    StampCounter() = 1;
    TStoreListBitmap32 store(StampCounter());
    store.AddBitmap(view.Bitmap(), false);  // the capture as taken

    enum Op { kStamp, kUndo, kRedo };
    struct Step {
        Op op;
        std::u16string shows;  // for a stamp: its number
    };
    const std::vector<Step> steps = {
        {kStamp, u"1"}, {kStamp, u"2"}, {kStamp, u"3"}, {kUndo, u""},
        {kStamp, u"3"},  // the undone number is given again
        {kUndo, u""},   {kUndo, u""},   {kRedo, u""},   {kStamp, u"3"},
    };
    for (std::size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE(i);
        switch (steps[i].op) {
            case kStamp:
                Stamp(60, 50, &store);
                EXPECT_EQ(ends, 1);
                EXPECT_EQ(LastNumber(), steps[i].shows);
                break;
            case kUndo:
                ASSERT_NE(store.UndoGet(), nullptr);
                break;
            case kRedo:
                ASSERT_NE(store.RedoGet(), nullptr);
                break;
        }
    }
    EXPECT_EQ(StampCounter(), 4);
}

TEST_F(StampTool, TheNumberIsWhiteAndCentredOnTheDiscAtTwentyThreePoints) {
    LGSettings().pencolor = 0xFF2040C0u;
    const int cx = 60, cy = 50;
    struct Case {
        std::string why;
        int number;
        bool widerThanDisc;
    };
    const std::vector<Case> cases = {
        {"one digit", 7, false},
        {"two digits", 12, false},
        {"three digits overflow the disc on both sides", 123, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        StampCounter() = c.number;
        Stamp(cx, cy);
        EXPECT_EQ(ends, 1);
        EXPECT_EQ(StampCounter(), c.number + 1);
        ASSERT_FALSE(text.fake.drawn.empty());
        EXPECT_EQ(text.fake.drawn.back().Size, 4 * kStampFontSize) << "rendered 4 x 4 larger";

        // The fully covered text pixels are opaque white, wherever they lie.
        int left = 1000, right = -1, top = 1000, bottom = -1;
        for (int y = 0; y < tools_test::kViewH; ++y) {
            for (int x = 0; x < tools_test::kViewW; ++x) {
                if (*Draw().PixelPtr(x, y) != kStampTextColor) continue;
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
        ASSERT_GE(right, left);
        // Centred within the block rounding of the 4 x 4 rendering.
        EXPECT_LE(std::abs((left + right + 1) - 2 * cx), 3);
        EXPECT_LE(std::abs((top + bottom + 1) - 2 * cy), 3);
        EXPECT_EQ(left < cx - 20 && right >= cx + 20, c.widerThanDisc);

        // The disc: the pen colour above the text, nothing beyond its radius.
        EXPECT_EQ(*Draw().PixelPtr(cx, top - 2), LGSettings().pencolor);
        EXPECT_EQ(*Draw().PixelPtr(cx, cy - 22), kDrawBitmapClear);
        EXPECT_EQ(*Draw().PixelPtr(cx - 18, cy - 18), kDrawBitmapClear) << "round, not square";
    }
}

TEST_F(StampTool, AnyButtonStampsAndTheFigureIsNotDrawnAgain) {
    StampCounter() = 1;
    auto& tool = TBaseToolLayer::Create<TStampToolLayer>(view, kSelection, Draw());
    tool.OnEnd = [&](TBaseToolLayer&) { ++ends; };
    view.MouseDown(mbRight, 0, 50, 40);
    const TBitmap32 stamped = Draw();
    view.MouseUp(mbRight, 0, 50, 40);
    TBitmap32 screen(tools_test::kViewW, tools_test::kViewH);
    view.PaintTo(screen, screen.BoundsRect());
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(StampCounter(), 2);
    EXPECT_EQ(tool.Cursor(), crDefault);
    EXPECT_TRUE(std::ranges::equal(stamped.Pixels(), Draw().Pixels()));
    EXPECT_EQ(*Draw().PixelPtr(50, 40 - 18), LGSettings().pencolor);
}

TEST_F(StampTool, NearTheEdgeTheDiscIsClipped) {
    StampCounter() = 1;
    // The selection reaches the corner here, so the press lands on the tool.
    auto& tool = TBaseToolLayer::Create<TStampToolLayer>(view, TFloatRect{0, 0, 50, 50}, Draw());
    tool.OnEnd = [&](TBaseToolLayer&) { ++ends; };
    view.MouseDown(mbLeft, 0, 2, 3);
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(*Draw().PixelPtr(0, 20), LGSettings().pencolor);
    EXPECT_TRUE(DrawnInside({{0, 0, 23, 24}}));
}

}  // namespace
}  // namespace lg
