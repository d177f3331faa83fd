#include "tools/text_edit_tool_layer.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// Notices the layer raised, in order.
struct Notices {
    std::vector<std::u16string> said;
    void Attach(TTextEditToolLayer& t) {
        t.OnNotice = [this](std::u16string_view text) { said.emplace_back(text); };
    }
};

TEST_F(TextLayer, PasteOfMegabytesIsCutWithANotice) {
    TTextEditToolLayer& t = Placed();
    Notices notices;
    notices.Attach(t);
    t.ClipboardText = [] { return std::u16string(std::size_t{4} << 20, u'w'); };
    t.KeyPress(kCharPaste);
    EXPECT_EQ(t.Model().Lines(), std::vector<std::u16string>{std::u16string(kMaxPasteChars, u'w')});
    EXPECT_EQ(t.Location(), Box(kMaxPasteChars * kAdvance, kLine));
    EXPECT_EQ(notices.said, std::vector<std::u16string>{std::u16string(kPasteCutNotice)});
}

TEST_F(TextLayer, KeyThatWouldOutgrowTheLargestBoxIsTakenBack) {
    struct Step {
        const char* why;
        std::u16string paste;  // pasted first, when not empty
        std::u16string keys;
        std::size_t firstLine, lines;  // what the box holds afterwards
        bool refused;
    };
    struct Row {
        int points;
        std::vector<Step> steps;
    };
    const std::u16string k(kMaxPasteChars, u'w');
    const Row rows[] = {
        // 15 points: cells 20 high, 10 wide.
        {15,
         {{"one paste", k, u"", 1000, 1, false},
          {"two", k, u"", 2000, 1, false},
          {"three", k, u"", 3000, 1, false},
          {"3274 cells and the margins fit the widest box", k.substr(0, 274), u"", 3274, 1, false},
          {"one more cell is wider than it", u"", u"w", 3274, 1, true},
          {"a narrower edit still goes", u"", u"\b", 3273, 1, false}}},
        // 150 points: cells 200 high, 100 wide.
        {150,
         {{"150 cells wide", k.substr(0, 150), u"", 150, 1, false},
          {"two lines stay under the pixel bound", u"", u"\r", 150, 2, false},
          {"a third line is over it", u"", u"\r", 150, 2, true}}},
    };
    for (const Row& row : rows) {
        TextFont().size = row.points;
        TTextEditToolLayer& t = Placed();
        Notices notices;
        notices.Attach(t);
        for (const Step& step : row.steps) {
            SCOPED_TRACE(step.why);
            const TFloatRect before = t.Location();
            if (!step.paste.empty()) {
                t.ClipboardText = [&] { return step.paste; };
                t.KeyPress(kCharPaste);
            }
            Type(t, step.keys);
            EXPECT_EQ(t.Model().Lines().front().size(), step.firstLine);
            EXPECT_EQ(t.Model().Lines().size(), step.lines);
            EXPECT_EQ(notices.said.size(), step.refused ? 1u : 0u);
            if (step.refused) {
                EXPECT_EQ(notices.said.back(), kTextTooLargeNotice);
                EXPECT_EQ(t.Location(), before) << "the box shows the text it holds";
                notices.said.clear();
            }
            EXPECT_EQ(t.Bitmap().Width(), static_cast<int>(t.Location().Right - t.Location().Left));
            EXPECT_TRUE(t.CaretVisible());
        }
        EXPECT_TRUE(t.StopDrawing());
        view.Layers().Delete(t.Frame()->Index());
        view.Layers().Delete(t.Index());
    }
}

TEST_F(TextLayer, StopDrawingKeepsTheLastFontThatFit) {
    TTextEditToolLayer& t = Placed();
    t.ClipboardText = [] { return std::u16string(kMaxPasteChars, u'w'); };
    t.KeyPress(kCharPaste);
    const TFloatRect shown = t.Location();
    TextFont().size = 60;  // 40-pixel cells: 40,000 pixels for the line
    t.CaretTick();
    EXPECT_EQ(t.Location(), shown) << "a font too large for the text changes nothing";
    ASSERT_TRUE(t.StopDrawing());
    EXPECT_EQ(t.Location(), shown);
    const auto pixels = t.Bitmap().Pixels();
    EXPECT_EQ(std::count(pixels.begin(), pixels.end(), 0xFF000000u), 0) << "no caret left";
    EXPECT_EQ(*t.Bitmap().PixelPtr(kMargin + 5, kMargin + 5), kPen);
}

TEST_F(TextLayer, RedrawWithoutMemoryLosesTheKeyNotTheBox) {
    TTextEditToolLayer& t = Placed();
    Type(t, u"ab");
    const TFloatRect shown = t.Location();
    text.outOfMemory = true;
    Type(t, u"c");
    t.KeyDown(kVkHome, 0);
    t.CaretTick();
    EXPECT_EQ(t.Text(), u"ab\r\n");
    EXPECT_EQ(t.Location(), shown);
    EXPECT_FALSE(t.StopDrawing()) << "its caret may still show: not to be committed";
    text.outOfMemory = false;
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
