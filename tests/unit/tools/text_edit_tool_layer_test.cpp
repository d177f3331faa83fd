#include "tools/text_edit_tool_layer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "raster/fake_text_rasterizer.h"
#include "settings/settings.h"
#include "tool_test_support.h"
#include "tools/tool_classes.h"

namespace lg {
namespace {

using tools_test::CaptureView;
using tools_test::kSelection;

// The fake font at the default 15 points, 96 DPI: cells 20 high, 10 wide.
constexpr int kLine = 20;
constexpr int kAdvance = 10;
constexpr int kMargin = 10;
constexpr TColor32 kPen = 0xFF0000FFu;
struct PressPoint {
    int X, Y;
};
constexpr PressPoint kPress{30, 40};

class TextLayer : public CaptureView {
protected:
    TextLayer() : savedFont(TextFont()) {
        SetDefaultTextRasterizer(&text);
        TextFont() = TTextFont{};
        LGSettings().pencolor = kPen;
    }
    ~TextLayer() override {
        SetDefaultTextRasterizer(nullptr);
        TextFont() = savedFont;
    }

    TTextEditToolLayer& Make(DisplayScale scale = {}) {
        auto* layer = CreateToolLayer(ctTextExit, view, kSelection, Draw(), scale);
        EXPECT_NE(layer, nullptr);
        auto& t = dynamic_cast<TTextEditToolLayer&>(*layer);
        t.OnRestartCaretTimer = [this] { ++restarts; };
        return t;
    }
    TTextEditToolLayer& Placed(DisplayScale scale = {}) {
        TTextEditToolLayer& t = Make(scale);
        view.MouseDown(mbLeft, ssLeft, kPress.X, kPress.Y);
        view.MouseUp(mbLeft, 0, kPress.X, kPress.Y);
        return t;
    }
    static void Type(TTextEditToolLayer& t, std::u16string_view s) {
        for (char16_t c : s) t.KeyPress(c);
    }
    // The box a text block of w × h needs, placed at the press.
    static TFloatRect Box(int w, int h) {
        return TFloatRect{kPress.X, kPress.Y, float(kPress.X + w + 2 * kMargin),
                          float(kPress.Y + h + 2 * kMargin)};
    }

    testing::FakeTextRasterizer text;
    TTextFont savedFont;
    int restarts = 0;
};

TEST_F(TextLayer, WaitsForThePlacingPressAndIgnoresKeysTillThen) {
    TTextEditToolLayer& t = Make();
    const int layers = view.Layers().Count();
    Type(t, u"ab");
    t.KeyDown(kVkLeft, 0);
    t.CaretTick();
    EXPECT_FALSE(t.IsStateRedact());
    EXPECT_EQ(t.RBLayer(), nullptr);
    EXPECT_EQ(t.Location(), kSelection);
    EXPECT_TRUE(t.Bitmap().Empty()) << "nothing drawn while waiting";
    EXPECT_EQ(t.Text(), u"\r\n");
    EXPECT_EQ(view.Layers().Count(), layers);
    EXPECT_EQ(restarts, 0);
}

TEST_F(TextLayer, PressPlacesAnEmptyBoxWithTheFrameAroundIt) {
    TTextEditToolLayer& t = Placed();
    EXPECT_TRUE(t.IsStateRedact());
    // One "A" wide, one line high, the margin round it; shown at once.
    EXPECT_EQ(t.Location(), Box(kAdvance, kLine));
    EXPECT_EQ(t.Bitmap().Width(), kAdvance + 2 * kMargin);
    EXPECT_EQ(t.Bitmap().Height(), kLine + 2 * kMargin);
    EXPECT_TRUE(t.CaretVisible());

    ASSERT_NE(t.Frame(), nullptr);
    const TRubberBandLayerEx& frame = *t.Frame();
    EXPECT_EQ(frame.Index(), view.Layers().Count() - 1) << "on top";
    EXPECT_EQ(frame.ChildLayer(), &t);
    EXPECT_EQ(frame.Location(), t.Location());
    EXPECT_EQ(frame.Handles(), rhCenter | rhFrame);
    EXPECT_EQ(frame.LayerOptions(), loVisible | loMouseEvents | loNoUpdate);
    EXPECT_EQ(frame.Cursor(), crSizeAll);

    // A second press inside the text area moves nothing.
    view.MouseDown(mbLeft, ssLeft, kPress.X + 15, kPress.Y + 15);
    view.MouseUp(mbLeft, 0, kPress.X + 15, kPress.Y + 15);
    EXPECT_EQ(t.Location(), Box(kAdvance, kLine));
    EXPECT_EQ(t.Frame(), &frame);
}

TEST_F(TextLayer, BoxFollowsTheTextKeepingItsTopLeftCorner) {
    TTextEditToolLayer& t = Placed();
    struct Step {
        const char* why;
        std::u16string keys;
        int w, h;  // the text block
    } const steps[] = {
        {"one letter: still one A wide", u"a", kAdvance, kLine},
        {"three letters grow it", u"bc", 3 * kAdvance, kLine},
        {"a new line doubles the height", u"\r", 3 * kAdvance, 2 * kLine},
        {"a longer second line widens it", u"defg", 4 * kAdvance, 2 * kLine},
        {"backspace shrinks it", u"\b\b\b", 3 * kAdvance, 2 * kLine},
        {"joining the lines again", u"\b\b", 3 * kAdvance, kLine},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.why);
        Type(t, s.keys);
        EXPECT_EQ(t.Location(), Box(s.w, s.h));
        EXPECT_EQ(t.Frame()->Location(), t.Location());
        EXPECT_EQ(t.Bitmap().Width(), s.w + 2 * kMargin);
        EXPECT_EQ(t.Bitmap().Height(), s.h + 2 * kMargin);
    }
    EXPECT_EQ(t.Text(), u"abc\r\n");
}

TEST_F(TextLayer, TextIsDrawnInThePenColourInsideTheMargin) {
    TTextEditToolLayer& t = Placed();
    Type(t, u"a b");
    t.StopDrawing();
    const TBitmap32& b = t.Bitmap();
    const auto at = [&](int col, int y) { return *b.PixelPtr(kMargin + col * kAdvance + 5, y); };
    EXPECT_EQ(at(0, kMargin + kLine / 2), kPen);
    EXPECT_EQ(at(1, kMargin + kLine / 2) >> 24, 0u) << "a space leaves the box clear";
    EXPECT_EQ(at(2, kMargin + kLine / 2), kPen);
    EXPECT_EQ(at(0, kMargin / 2) >> 24, 0u) << "the margin is clear";
    // The font the picker set, at the display's DPI.
    ASSERT_FALSE(text.drawn.empty());
    EXPECT_EQ(text.drawn.back().Family, u"Noto Sans");
    EXPECT_EQ(text.drawn.back().Size, 15);
    EXPECT_EQ(text.drawn.back().Dpi, 96);
}

TEST_F(TextLayer, CaretBlinksAndStopDrawingHidesItForGood) {
    TTextEditToolLayer& t = Placed();
    // At a line start the caret stands 2 pixels into the text area, 3 wide.
    const auto caretInk = [&] {
        return *t.Bitmap().PixelPtr(kMargin + 2, kMargin + kLine / 2) >> 24;
    };
    EXPECT_EQ(caretInk(), 0xFFu);
    const int restartsAfterPlacing = restarts;
    t.CaretTick();
    EXPECT_FALSE(t.CaretVisible());
    EXPECT_EQ(caretInk(), 0u);
    t.KeyDown(kVkHome, 0);  // any forwarded key shows it and restarts the period
    EXPECT_TRUE(t.CaretVisible());
    EXPECT_EQ(caretInk(), 0xFFu);
    EXPECT_EQ(restarts, restartsAfterPlacing + 1);
    t.KeyPress(1);  // an ignored control character is no key
    EXPECT_EQ(restarts, restartsAfterPlacing + 1);

    t.StopDrawing();
    EXPECT_FALSE(t.CaretTimerEnabled());
    EXPECT_EQ(caretInk(), 0u);
    t.CaretTick();
    Type(t, u"x");
    EXPECT_FALSE(t.CaretVisible()) << "a stopped layer takes no ticks and no keys";
    EXPECT_EQ(t.Text(), u"\r\n");
}

TEST_F(TextLayer, PasteTakesTheClipboardOnOneLine) {
    TTextEditToolLayer& t = Placed();
    t.ClipboardText = [] { return std::u16string(u"x\r\ny"); };
    t.KeyPress(kCharPaste);
    EXPECT_EQ(t.Text(), u"xy\r\n");
    EXPECT_EQ(t.Location(), Box(2 * kAdvance, kLine));
}

TEST_F(TextLayer, FontSizeChangeShowsAtTheNextTick) {
    TTextEditToolLayer& t = Placed();
    Type(t, u"ab");
    TextFont().size = 30;  // cells 40 × 20
    t.CaretTick();
    EXPECT_EQ(t.Location(), Box(2 * 20, 40));
}

TEST_F(TextLayer, DraggingTheBorderMovesFrameAndText) {
    TTextEditToolLayer& t = Placed();
    Type(t, u"abc");
    const TFloatRect before = t.Location();
    view.MouseMove(0, kPress.X + 2, kPress.Y + 2);
    view.MouseDown(mbLeft, ssLeft, kPress.X + 2, kPress.Y + 2);
    view.MouseMove(ssLeft, kPress.X + 22, kPress.Y + 12);
    view.MouseUp(mbLeft, 0, kPress.X + 22, kPress.Y + 12);
    const TFloatRect moved{before.Left + 20, before.Top + 10, before.Right + 20,
                           before.Bottom + 10};
    EXPECT_EQ(t.Frame()->Location(), moved);
    EXPECT_EQ(t.Location(), moved);
    // Growing afterwards keeps the new corner.
    Type(t, u"d");
    EXPECT_EQ(t.Location().Left, moved.Left);
    EXPECT_EQ(t.Location().Top, moved.Top);
}

TEST_F(TextLayer, MarginAndTextTakeTheDisplayScale) {
    TTextEditToolLayer& t = Placed(DisplayScale(192));
    Type(t, u"ab");
    // 15 points at 192 DPI: cells 40 × 20; margin 20.
    EXPECT_EQ(t.Location(),
              (TFloatRect{kPress.X, kPress.Y, kPress.X + 40 + 40.0f, kPress.Y + 40 + 40.0f}));
    EXPECT_EQ(t.Frame()->Magrin(), 20);
}

TEST_F(TextLayer, FrameDeletedByTheViewIsLetGo) {
    TTextEditToolLayer& t = Placed();
    view.Layers().Delete(t.Frame()->Index());
    EXPECT_EQ(t.RBLayer(), nullptr);
    Type(t, u"ab");  // the box is resized on its own
    EXPECT_EQ(t.Location(), Box(2 * kAdvance, kLine));
}

}  // namespace
}  // namespace lg
