#include "capture/capture_editor.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "raster/fake_text_rasterizer.h"
#include "settings/settings.h"
#include "tools/stamp_counter.h"
#include "tools/text_edit_tool_layer.h"
#include "tools/tick_source.h"
#include "tools/tool_point.h"

namespace lg {
namespace {

class FakeHost : public CaptureHost {
public:
    void ShowEditorPanels() override { calls.push_back("panels"); }
    void HidePanels() override { calls.push_back("hide panels"); }
    void UpdatePositionPanels() override { ++placements; }
    void SelectArrowTool() override {
        calls.push_back("arrow");
        if (editor) editor->AddTool(ctPen);  // the only kind with a class in every build
    }
    void UploadPicture() override { calls.push_back("upload"); }
    void CopyPicture() override { calls.push_back("copy"); }
    void HideWindow() override { calls.push_back("hide window"); }
    void FocusWindow() override { calls.push_back("focus"); }
    void UndoRedoStateChanged(bool u, bool r) override {
        availUndo = u;
        availRedo = r;
    }
    DisplayScale ScaleOf(const TRect& r) const override { return ScaleForRect(monitors, r); }
    void ShowNotice(std::u16string_view text) override { notices.emplace_back(text); }
    bool Called(const std::string& what) const {
        return std::find(calls.begin(), calls.end(), what) != calls.end();
    }

    CaptureEditor* editor = nullptr;
    std::vector<MonitorDpi> monitors;  // none: 96 DPI
    std::vector<std::string> calls;
    std::vector<std::u16string> notices;
    int placements = 0;
    bool availUndo = false, availRedo = false;
};

// A 400 × 300 capture of a gradient, opened as an area capture.
// An area capture of its own on `capture`, for table rows that must not
// share the fixture's editor.
struct OwnEditor {
    FakeHost host;
    CaptureEditor editor{host};
    explicit OwnEditor(const TBitmap32& capture) {
        host.editor = &editor;
        EXPECT_TRUE(editor.StartCapture(0, capture, TRect{0, 0, 400, 300}, std::nullopt));
        editor.ShowWindowDone();
    }
};

class CaptureEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetDefaultTextRasterizer(&text_);
        SetDefaultTickSource([this] { return ticks_; });
        LGSettings() = TLGSettings{};
        host_.editor = &editor_;
        capture_.SetSize(400, 300);
        for (int y = 0; y < 300; ++y) {
            for (int x = 0; x < 400; ++x) *capture_.PixelPtr(x, y) = 0xFF000000u | (x << 8) | y;
        }
    }
    void TearDown() override {
        SetDefaultTickSource(nullptr);
        SetDefaultTextRasterizer(nullptr);
        LGSettings() = TLGSettings{};
    }

    void Open(int kind = 0, std::optional<TRect> selection = std::nullopt) {
        ASSERT_TRUE(editor_.StartCapture(kind, capture_, TRect{0, 0, 400, 300}, selection));
        editor_.ShowWindowDone();
    }
    // A first selection dragged in small steps, as a mouse gives it.
    void DragSelection(int x0, int y0, int x1, int y1, TShiftState atRelease = 0) {
        TImgView32& v = editor_.View();
        v.MouseDown(mbLeft, ssLeft, x0, y0);
        for (int i = 1; i <= 10; ++i) {
            v.MouseMove(ssLeft, x0 + (x1 - x0) * i / 10, y0 + (y1 - y0) * i / 10);
        }
        v.MouseUp(mbLeft, atRelease, x1, y1);
    }
    void Stroke(std::initializer_list<std::pair<int, int>> points) {
        TImgView32& v = editor_.View();
        auto it = points.begin();
        v.MouseMove(0, it->first, it->second);
        v.MouseDown(mbLeft, ssLeft, it->first, it->second);
        for (++it; it != points.end(); ++it) {
            ticks_ += 40;
            v.MouseMove(ssLeft, it->first, it->second);
        }
        v.MouseUp(mbLeft, 0, (points.end() - 1)->first, (points.end() - 1)->second);
    }

    testing::FakeTextRasterizer text_;
    std::uint32_t ticks_ = 1000;
    FakeHost host_;
    CaptureEditor editor_{host_};
    TBitmap32 capture_;
};

TEST_F(CaptureEditorTest, FirstSelectionFollowsTheMouseAndOpensTheEditor) {
    Open();
    DragSelection(100, 80, 300, 200);
    const TRubberbandLayerNew& sel = editor_.SelectionLayer();
    EXPECT_EQ(sel.Location(), (TFloatRect{100, 80, 300, 200}));
    EXPECT_EQ(sel.SelectState(), ssEnd);
    EXPECT_TRUE(host_.Called("panels"));
    EXPECT_TRUE(host_.Called("focus"));
    EXPECT_EQ(editor_.CurTypeTool(), ctPen);
    EXPECT_FALSE(host_.availUndo);
}

TEST_F(CaptureEditorTest, DraggingUpAndLeftGivesTheSameSelection) {
    Open();
    DragSelection(300, 200, 100, 80);
    EXPECT_EQ(editor_.SelectionLayer().Location(), (TFloatRect{100, 80, 300, 200}));
}

TEST_F(CaptureEditorTest, TooSmallFirstSelectionShowsThePromptAgain) {
    Open();
    for (auto [dx, dy] : {std::pair{0, 0}, std::pair{2, 50}, std::pair{50, 2}}) {
        DragSelection(100, 100, 100 + dx, 100 + dy);
        EXPECT_FALSE(editor_.SelectionLayer().VisibleRect()) << dx << "," << dy;
        EXPECT_EQ(editor_.SelectionLayer().SelectState(), ssMove);
    }
    EXPECT_FALSE(host_.Called("panels"));
    DragSelection(100, 100, 110, 110);  // the next press starts over
    EXPECT_EQ(editor_.SelectionLayer().SelectState(), ssEnd);
}

TEST_F(CaptureEditorTest, WithoutTheEditorTheSelectionIsOutputAtOnce) {
    struct Case {
        bool showRedact, server;
        TShiftState shift;
        const char* expected;
    };
    const Case cases[] = {
        {false, true, 0, "upload"},
        {false, false, 0, "copy"},
        {false, false, ssCtrl, "panels"},  // Ctrl at the release forces the editor
        {true, false, 0, "panels"},
    };
    for (const Case& c : cases) {
        FakeHost host;
        CaptureEditor editor(host);
        host.editor = &editor;
        LGSettings().ShowRedact = c.showRedact;
        LGSettings().Server = c.server;
        ASSERT_TRUE(editor.StartCapture(0, capture_, TRect{0, 0, 400, 300}, std::nullopt));
        editor.ShowWindowDone();
        TImgView32& v = editor.View();
        v.MouseDown(mbLeft, ssLeft, 10, 10);
        for (int i = 1; i <= 5; ++i) v.MouseMove(ssLeft, 10 + 10 * i, 10 + 10 * i);
        v.MouseUp(mbLeft, c.shift, 60, 60);
        EXPECT_TRUE(host.Called(c.expected)) << c.expected;
    }
}

TEST_F(CaptureEditorTest, ResizingIsClampedEdgeByEdgeWithAFivePixelMinimum) {
    Open();
    DragSelection(100, 100, 200, 200);
    TImgView32& v = editor_.View();
    // Move the whole selection far left: its left edge stops at 0 and it shrinks.
    v.MouseMove(0, 150, 20);
    v.MouseDown(mbLeft, ssLeft, 150, 20);
    v.MouseMove(ssLeft, 20, 20);
    v.MouseUp(mbLeft, 0, 20, 20);
    EXPECT_EQ(editor_.SelectionLayer().Location(), (TFloatRect{0, 100, 70, 200}));
    // The right edge dragged onto the left one: five pixels remain.
    v.MouseMove(0, 69, 150);
    v.MouseDown(mbLeft, ssLeft, 69, 150);
    v.MouseMove(ssLeft, 1, 150);
    v.MouseUp(mbLeft, 0, 1, 150);
    EXPECT_EQ(editor_.SelectionLayer().Location(), (TFloatRect{0, 100, 5, 200}));
    EXPECT_GT(host_.placements, 0);
    // The tool's working area follows the selection.
    ASSERT_NE(editor_.CurTool(), nullptr);
    EXPECT_EQ(editor_.CurTool()->Location(), editor_.SelectionLayer().Location());
}

TEST_F(CaptureEditorTest, EachFigureIsOneSnapshotAndUndoRedoRestoreIt) {
    Open();
    DragSelection(50, 50, 350, 250);
    const TBitmap32 before = editor_.View().Bitmap();
    Stroke({{100, 100}, {150, 120}, {200, 140}});
    EXPECT_EQ(editor_.Store().Count(), 2);
    EXPECT_TRUE(host_.availUndo);
    const TBitmap32 after = editor_.View().Bitmap();
    ASSERT_NE(*after.PixelPtr(150, 120), *before.PixelPtr(150, 120)) << "the stroke is baked in";
    // A fresh tool of the same kind waits at index 2.
    ASSERT_EQ(editor_.View().Layers().Count(), 3);
    EXPECT_EQ(editor_.View().Layers().Items(2), editor_.CurTool());

    editor_.Undo();
    EXPECT_TRUE(std::equal(before.Pixels().begin(), before.Pixels().end(),
                           editor_.View().Bitmap().Pixels().begin()));
    EXPECT_TRUE(host_.availRedo);
    std::uint16_t key = 'Y';
    editor_.FormKeyDown(key, ssCtrl);
    EXPECT_EQ(key, 0);
    EXPECT_TRUE(std::equal(after.Pixels().begin(), after.Pixels().end(),
                           editor_.View().Bitmap().Pixels().begin()));
    // The committed picture stays opaque.
    for (TColor32 p : editor_.View().Bitmap().Pixels()) ASSERT_EQ(p >> 24, 0xFFu);
}

TEST_F(CaptureEditorTest, GetBitmapTakesTheSelectionWithoutFrameOrHandles) {
    Open();
    DragSelection(100, 50, 300, 150);
    TBitmap32 out;
    ASSERT_TRUE(editor_.GetBitmap(out));
    ASSERT_EQ(out.Width(), 200);
    ASSERT_EQ(out.Height(), 100);
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 200; ++x) {
            ASSERT_EQ(*out.PixelPtr(x, y), *capture_.PixelPtr(100 + x, 50 + y)) << x << "," << y;
        }
    }
}

TEST_F(CaptureEditorTest, CopyKeyNeedsACompleteSelection) {
    Open();
    std::uint16_t key = 'C';
    editor_.FormKeyDown(key, ssCtrl);
    EXPECT_FALSE(host_.Called("copy")) << "nothing chosen yet";
    DragSelection(10, 10, 100, 100);
    key = 'C';
    editor_.FormKeyDown(key, ssCtrl);
    EXPECT_TRUE(host_.Called("copy"));
}

// Only Ctrl alone makes Z, Y and C shortcuts: AltGr arrives as Ctrl+Alt and
// types "ż" or "ć" there, which must reach the text tool instead.
TEST_F(CaptureEditorTest, ShortcutsActOnlyWithTheirExactModifiers) {
    enum class Effect { None, Undo, Redo, Copy, Close };
    struct Case {
        const char* name;
        std::uint16_t key;
        TShiftState shift;
        Effect expected;
    };
    constexpr TShiftState kAltGr = ssCtrl | ssAlt;
    const Case cases[] = {
        {"Ctrl+Z", kVkZ, ssCtrl, Effect::Undo},
        {"Ctrl+Shift+Z", kVkZ, ssCtrl | ssShift, Effect::None},
        {"AltGr+Z", kVkZ, kAltGr, Effect::None},
        {"Z alone", kVkZ, 0, Effect::None},
        {"Ctrl+Y", kVkY, ssCtrl, Effect::Redo},
        {"Ctrl+Shift+Y", kVkY, ssCtrl | ssShift, Effect::None},
        {"AltGr+Y", kVkY, kAltGr, Effect::None},
        {"Ctrl+C", kVkC, ssCtrl, Effect::Copy},
        {"Ctrl+Shift+C", kVkC, ssCtrl | ssShift, Effect::None},
        {"AltGr+C", kVkC, kAltGr, Effect::None},
        {"Esc", kVkEscape, 0, Effect::Close},
        {"Esc with AltGr held", kVkEscape, kAltGr, Effect::Close},
        {"Shift+Esc", kVkEscape, ssShift, Effect::Close},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OwnEditor own(capture_);
        CaptureEditor& editor = own.editor;
        FakeHost& host = own.host;
        // Two figures, one undone: both undo and redo have a step to take.
        TImgView32& v = editor.View();
        v.MouseDown(mbLeft, ssLeft, 50, 50);
        for (int i = 1; i <= 5; ++i) v.MouseMove(ssLeft, 50 + 50 * i, 50 + 40 * i);
        v.MouseUp(mbLeft, 0, 300, 250);
        for (int y : {100, 150}) {
            v.MouseMove(0, 100, y);
            v.MouseDown(mbLeft, ssLeft, 100, y);
            ticks_ += 40;
            v.MouseMove(ssLeft, 200, y + 20);
            v.MouseUp(mbLeft, 0, 200, y + 20);
        }
        editor.Undo();
        ASSERT_EQ(editor.Store().Count(), 3);
        ASSERT_EQ(editor.Store().Position(), 1);

        std::uint16_t key = c.key;
        editor.FormKeyDown(key, c.shift);
        const Effect effect = host.Called("hide window")      ? Effect::Close
                              : host.Called("copy")           ? Effect::Copy
                              : editor.Store().Position() < 1 ? Effect::Undo
                              : editor.Store().Position() > 1 ? Effect::Redo
                                                              : Effect::None;
        EXPECT_EQ(effect, c.expected);
        // A key that did nothing goes on to be typed.
        EXPECT_EQ(key, c.expected == Effect::None ? c.key : 0);
    }
}

TEST_F(CaptureEditorTest, StampCounterAcrossASecondCaptureRequestWhileEditing) {
    Open();
    DragSelection(10, 10, 390, 290);
    editor_.AddTool(ctStamp);
    auto stamp = [&](int x, int y) {
        const int number = StampCounter();
        TImgView32& v = editor_.View();
        v.MouseMove(0, x, y);
        v.MouseDown(mbLeft, ssLeft, x, y);
        v.MouseUp(mbLeft, 0, x, y);
        return number;
    };
    EXPECT_EQ(stamp(60, 60), 1);
    EXPECT_EQ(stamp(120, 60), 2);

    // A hotkey or the mouse chord while the capture is open.
    const TBitmap32 shown = editor_.View().Bitmap();
    EXPECT_FALSE(editor_.StartCapture(0, capture_, TRect{0, 0, 400, 300}, std::nullopt));
    EXPECT_EQ(StampCounter(), 3);
    EXPECT_EQ(editor_.Store().Count(), 3) << "no snapshot of a new capture";
    EXPECT_EQ(editor_.SelectionLayer().SelectState(), ssEnd);
    EXPECT_TRUE(std::equal(shown.Pixels().begin(), shown.Pixels().end(),
                           editor_.View().Bitmap().Pixels().begin()));

    EXPECT_EQ(stamp(180, 60), 3);
    // Each undo gives its stamp's number back; undo stops at the capture.
    for (int expected : {3, 2, 1, 1}) {
        editor_.Undo();
        EXPECT_EQ(StampCounter(), expected);
    }
    editor_.Redo();
    EXPECT_EQ(stamp(60, 60), 2) << "after the first stamp came back";

    editor_.Close();
    Open();
    EXPECT_EQ(StampCounter(), 1) << "a capture that opens numbers from 1";
}

TEST_F(CaptureEditorTest, EscClosesAndResetsForTheNextCapture) {
    Open();
    DragSelection(10, 10, 100, 100);
    Stroke({{20, 20}, {60, 60}});
    ASSERT_TRUE(editor_.IsOpen());
    std::uint16_t key = kVkEscape;
    editor_.FormKeyDown(key, 0);
    EXPECT_TRUE(host_.Called("hide panels"));
    EXPECT_TRUE(host_.Called("hide window"));
    EXPECT_FALSE(editor_.IsOpen());
    EXPECT_EQ(editor_.SelectionLayer().SelectState(), ssNoVis);
    EXPECT_EQ(editor_.CurTool(), nullptr);
    EXPECT_EQ(editor_.Store().Count(), 0);
    EXPECT_FALSE(host_.availUndo);
    EXPECT_TRUE(editor_.View().Bitmap().Empty()) << "the frozen screen is let go";
    EXPECT_TRUE(editor_.DrawLayer().Bitmap().Empty()) << "the draw bitmap is let go";

    Open();
    EXPECT_EQ(editor_.Store().Count(), 1) << "the new capture is the first snapshot";
    DragSelection(10, 10, 100, 100);
    TBitmap32 picture;
    ASSERT_TRUE(editor_.GetBitmap(picture));
    EXPECT_EQ(*picture.PixelPtr(0, 0), *capture_.PixelPtr(10, 10))
        << "the next capture shows its own screen";
}

TEST_F(CaptureEditorTest, WindowAndScreenCapturesSelectAtOnce) {
    FakeHost host;
    CaptureEditor editor(host);
    host.editor = &editor;
    EXPECT_FALSE(editor.StartCapture(1, capture_, TRect{0, 0, 400, 300}, std::nullopt));
    EXPECT_EQ(editor.Store().Count(), 0) << "an ended capture keeps nothing";
    ASSERT_TRUE(editor.StartCapture(2, capture_, TRect{0, 0, 400, 300}, TRect{0, 0, 400, 300}));
    editor.ShowWindowDone();
    EXPECT_EQ(editor.SelectionLayer().Location(), (TFloatRect{0, 0, 400, 300}));
    EXPECT_EQ(editor.SelectionLayer().SelectState(), ssEnd);
    EXPECT_TRUE(host.Called("panels"));
}

TEST_F(CaptureEditorTest, SetPropertyToolStoresColourAndWidth) {
    editor_.SetPropertyTool(0x00336699, -1);
    EXPECT_EQ(LGSettings().wincolor, 0x00336699u);
    EXPECT_EQ(LGSettings().pencolor, 0xFF996633u);
    EXPECT_EQ(LGSettings().penwidth, 5);
    editor_.SetPropertyTool(0x000000FF, 3);
    EXPECT_EQ(LGSettings().penwidth, 3);
    EXPECT_EQ(LGSettings().pencolor, 0xFFFF0000u);
}

// The selection's frame and label and every tool take the scale of the
// display showing the selection; the prompt that of the display under the
// pointer.
TEST_F(CaptureEditorTest, SelectionPromptAndToolsTakeTheScaleOfTheirDisplay) {
    host_.monitors = {{TRect{0, 0, 200, 300}, 96}, {TRect{200, 0, 400, 300}, 192}};
    Open();
    TImgView32& v = editor_.View();
    const TRubberbandLayerNew& sel = editor_.SelectionLayer();
    struct Step {
        const char* what;
        std::function<void()> act;
        int selectionDpi;
        int toolDpi;  // 0: no tool
    };
    const Step steps[] = {
        {"the prompt on the 100 % display", [&] { v.MouseMove(0, 50, 50); }, 96, 0},
        {"the prompt on the 200 % display", [&] { v.MouseMove(0, 300, 50); }, 192, 0},
        {"a selection there opens the editor with a tool at 200 %",
         [&] { DragSelection(250, 100, 350, 200); }, 192, 192},
        {"moved onto the 100 % display: the waiting tool follows",
         [&] {
             v.MouseMove(0, 380, 250);
             v.MouseDown(mbLeft, ssLeft, 380, 250);
             v.MouseMove(ssLeft, 180, 250);
             v.MouseUp(mbLeft, 0, 180, 250);
         },
         96, 96},
        {"the next tool layer is made at 100 %",
         [&] {
             Stroke({{60, 150}, {100, 150}, {140, 150}});
         },
         96, 96},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        s.act();
        EXPECT_EQ(sel.Scale().Dpi(), s.selectionDpi);
        if (s.toolDpi == 0) {
            EXPECT_EQ(editor_.CurTool(), nullptr);
        } else {
            ASSERT_NE(editor_.CurTool(), nullptr);
            EXPECT_EQ(editor_.CurTool()->Scale().Dpi(), s.toolDpi);
        }
    }
    EXPECT_EQ(editor_.SelectionLayer().Location(), (TFloatRect{50, 100, 150, 200}));
    EXPECT_EQ(editor_.Store().Count(), 2) << "the stroke was committed";
}

// A drag cut short by the window losing the mouse (Alt+Tab, a dialog):
// it ends as the release would have ended it, and the mouse that goes on
// moving with no button held drags nothing.
struct LostDragCase {
    const char* name;
    TCurTool tool;  // chosen once the first selection is made; ctNone: none made
    int fromX, fromY, toX, toY;
    TFloatRect selection;  // the selection once the drag has ended
    int snapshots;         // the capture plus one per finished figure
    TPoint drawnAt;        // a pixel of the finished figure (none: 0, 0)
};

TEST_F(CaptureEditorTest, LosingTheMouseEndsADragAsTheReleaseWould) {
    const LostDragCase cases[] = {
        {"the first selection opens the editor",
         ctNone,
         100,
         80,
         300,
         200,
         TFloatRect{100, 80, 300, 200},
         1,
         {}},
        {"the first selection dragged up and left is put in order",
         ctNone,
         300,
         200,
         100,
         80,
         TFloatRect{100, 80, 300, 200},
         1,
         {}},
        {"a side handle resizes and stops",
         ctPen,
         200,
         150,
         250,
         150,
         TFloatRect{100, 100, 250, 200},
         1,
         {}},
        {"a line is finished and kept",
         ctLine,
         120,
         120,
         180,
         180,
         TFloatRect{100, 100, 200, 200},
         2,
         {150, 150}},
        {"a rectangle is finished and kept",
         ctRect,
         120,
         120,
         180,
         170,
         TFloatRect{100, 100, 200, 200},
         2,
         {120, 150}},
    };
    for (const LostDragCase& c : cases) {
        SCOPED_TRACE(c.name);
        OwnEditor own(capture_);
        CaptureEditor& editor = own.editor;
        FakeHost& host = own.host;
        TImgView32& v = editor.View();
        if (c.tool != ctNone) {
            v.MouseDown(mbLeft, ssLeft, 100, 100);
            v.MouseMove(ssLeft, 150, 150);
            v.MouseMove(ssLeft, 200, 200);
            v.MouseUp(mbLeft, 0, 200, 200);
            editor.AddTool(c.tool);
        }
        const TBitmap32 before = v.Bitmap();

        v.MouseMove(0, c.fromX, c.fromY);
        v.MouseDown(mbLeft, ssLeft, c.fromX, c.fromY);
        for (int i = 1; i <= 5; ++i) {
            ticks_ += 40;
            v.MouseMove(ssLeft, c.fromX + (c.toX - c.fromX) * i / 5,
                        c.fromY + (c.toY - c.fromY) * i / 5);
        }
        v.CaptureLost();

        EXPECT_FALSE(v.Capturing());
        EXPECT_EQ(editor.SelectionLayer().SelectState(), ssEnd);
        EXPECT_EQ(editor.SelectionLayer().Location(), c.selection);
        EXPECT_TRUE(host.Called("panels"));
        EXPECT_EQ(editor.Store().Count(), c.snapshots);
        if (c.drawnAt.X != 0) {
            EXPECT_NE(*v.Bitmap().PixelPtr(c.drawnAt.X, c.drawnAt.Y),
                      *before.PixelPtr(c.drawnAt.X, c.drawnAt.Y))
                << "the figure is in the capture";
        }

        // The mouse moves on with no button held: nothing follows it.
        const TBitmap32 ended = v.Bitmap();
        const TBitmap32 drawn = editor.DrawLayer().Bitmap();
        for (auto [x, y] : {std::pair{320, 260}, std::pair{30, 40}, std::pair{390, 20}}) {
            ticks_ += 40;
            v.MouseMove(0, x, y);
        }
        EXPECT_EQ(editor.SelectionLayer().Location(), c.selection);
        EXPECT_EQ(editor.Store().Count(), c.snapshots);
        EXPECT_TRUE(
            std::equal(ended.Pixels().begin(), ended.Pixels().end(), v.Bitmap().Pixels().begin()));
        EXPECT_TRUE(std::equal(drawn.Pixels().begin(), drawn.Pixels().end(),
                               editor.DrawLayer().Bitmap().Pixels().begin()))
            << "no figure is drawn after the drag";
    }
}

TEST_F(CaptureEditorTest, LosingTheMouseOnATooSmallFirstSelectionShowsThePromptAgain) {
    Open();
    TImgView32& v = editor_.View();
    v.MouseDown(mbLeft, ssLeft, 100, 100);
    v.MouseMove(ssLeft, 101, 150);
    v.CaptureLost();
    EXPECT_FALSE(editor_.SelectionLayer().VisibleRect());
    EXPECT_FALSE(host_.Called("panels"));
    v.MouseMove(0, 200, 250);
    EXPECT_FALSE(editor_.SelectionLayer().VisibleRect()) << "the prompt waits for a new press";
    DragSelection(100, 100, 110, 110);
    EXPECT_EQ(editor_.SelectionLayer().SelectState(), ssEnd);
}

// The text tool through the window: a box placed at (100, 100) in a
// selection of (50, 50, 350, 250); the fake font's cells are 10 × 20, so
// "ab" lies on (110, 110) .. (130, 130) inside the 10-pixel margin.
class CaptureEditorText : public CaptureEditorTest {
protected:
    void StartText(std::u16string_view typed) {
        Open();
        DragSelection(50, 50, 350, 250);
        LGSettings().pencolor = kTextPen;
        editor_.AddTool(ctTextExit);
        TImgView32& v = editor_.View();
        v.MouseDown(mbLeft, ssLeft, 100, 100);
        v.MouseUp(mbLeft, 0, 100, 100);
        for (char16_t c : typed) v.KeyPress(c);
    }
    static constexpr TColor32 kTextPen = 0xFF00C000u;
};

TEST_F(CaptureEditorText, EscCommitsTheTextAsOneSnapshot) {
    StartText(u"ab");
    ASSERT_NE(editor_.CurTool(), nullptr);
    ASSERT_EQ(editor_.CurTool()->Kind(), ctTextExit);
    const int before = editor_.Store().Count();
    std::uint16_t esc = 27;
    editor_.FormKeyDown(esc, 0);
    EXPECT_EQ(editor_.Store().Count(), before + 1);
    EXPECT_TRUE(host_.availUndo);
    EXPECT_FALSE(host_.Called("hide window")) << "Esc ended the text, not the capture";
    const TBitmap32& flat = editor_.View().Bitmap();
    for (auto [x, y] : {std::pair{115, 120}, std::pair{125, 120}}) {
        EXPECT_EQ(*flat.PixelPtr(x, y), kTextPen) << x << "," << y;
    }
    EXPECT_EQ(*flat.PixelPtr(105, 120), *capture_.PixelPtr(105, 120)) << "margin left as it was";
    EXPECT_EQ(*flat.PixelPtr(111, 105), *capture_.PixelPtr(111, 105))
        << "no frame and no caret in the capture";
    // A fresh text layer waits; only the draw layer, the selection and it.
    ASSERT_NE(editor_.CurTool(), nullptr);
    EXPECT_EQ(editor_.CurTool()->Kind(), ctTextExit);
    EXPECT_EQ(editor_.View().Layers().Count(), 3);
    // Esc with nothing placed closes the capture.
    esc = 27;
    editor_.FormKeyDown(esc, 0);
    EXPECT_TRUE(host_.Called("hide window"));
}

TEST_F(CaptureEditorText, BlankTextCommitsNoSnapshot) {
    for (std::u16string_view typed : {u"", u"  \r \r"}) {
        SCOPED_TRACE(std::string(typed.begin(), typed.end()));
        StartText(typed);
        const int before = editor_.Store().Count();
        editor_.TestClose();
        EXPECT_EQ(editor_.Store().Count(), before);
        EXPECT_EQ(editor_.View().Layers().Count(), 3) << "frame and box are gone";
        editor_.Close();
    }
}

TEST_F(CaptureEditorText, SwitchingToAnotherToolCommitsTheText) {
    StartText(u"ab");
    const int before = editor_.Store().Count();
    editor_.AddTool(ctRect);
    EXPECT_EQ(editor_.Store().Count(), before + 1);
    EXPECT_EQ(*editor_.View().Bitmap().PixelPtr(115, 120), kTextPen);
    ASSERT_NE(editor_.CurTool(), nullptr);
    EXPECT_EQ(editor_.CurTool()->Kind(), ctRect);
}

TEST_F(CaptureEditorText, PressBesideTheBoxCommitsAndPressInsideDoesNot) {
    StartText(u"ab");
    const int before = editor_.Store().Count();
    TImgView32& v = editor_.View();
    v.MouseDown(mbLeft, ssLeft, 120, 120);
    v.MouseUp(mbLeft, 0, 120, 120);
    EXPECT_EQ(editor_.Store().Count(), before) << "inside the text area";
    v.MouseDown(mbLeft, ssLeft, 300, 200);
    v.MouseUp(mbLeft, 0, 300, 200);
    EXPECT_EQ(editor_.Store().Count(), before + 1);
}

TEST_F(CaptureEditorText, PasteOfMegabytesIsCutCommittedAndEscStillCloses) {
    StartText(u"");
    auto& layer = dynamic_cast<TTextEditToolLayer&>(*editor_.CurTool());
    layer.ClipboardText = [] { return std::u16string(std::size_t{8} << 20, u'w'); };
    char16_t paste = kCharPaste;
    editor_.View().KeyPress(paste);
    EXPECT_EQ(host_.notices, std::vector<std::u16string>{std::u16string(kPasteCutNotice)});
    const int before = editor_.Store().Count();
    editor_.TestClose();
    EXPECT_EQ(editor_.Store().Count(), before + 1) << "the cut text is committed";
    EXPECT_TRUE(editor_.SelectionLayer().Visible());
    EXPECT_EQ(*editor_.View().Bitmap().PixelPtr(115, 120), kTextPen);
    editor_.TestClose();
    EXPECT_TRUE(host_.Called("hide window"));
}

// Every way out of a text box whose redraw fails (no memory): nothing is
// committed, the selection shows, the box goes with a word, and the next
// Esc closes the capture.
TEST_F(CaptureEditorText, EveryWayOutOfAFailingTextBoxLeavesTheEditorUsable) {
    struct Way {
        const char* name;
        std::function<void(CaptureEditor&)> act;
        TCurTool toolAfter;
    };
    const Way ways[] = {
        {"Esc", [](CaptureEditor& e) { e.TestClose(); }, ctTextExit},
        {"undo", [](CaptureEditor& e) { e.Undo(); }, ctTextExit},
        {"redo", [](CaptureEditor& e) { e.Redo(); }, ctTextExit},
        {"another tool", [](CaptureEditor& e) { e.AddTool(ctRect); }, ctRect},
        {"an output", [](CaptureEditor& e) { e.AddTool(ctNone); }, ctNone},
        {"a press beside the box",
         [](CaptureEditor& e) {
             e.View().MouseDown(mbLeft, ssLeft, 300, 200);
             e.View().MouseUp(mbLeft, 0, 300, 200);
         },
         ctTextExit},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        host_.calls.clear();
        host_.notices.clear();
        StartText(u"ab");
        const int before = editor_.Store().Count();
        text_.outOfMemory = true;
        way.act(editor_);
        text_.outOfMemory = false;
        EXPECT_EQ(editor_.Store().Count(), before) << "nothing committed";
        EXPECT_EQ(host_.notices,
                  std::vector<std::u16string>{std::u16string(kTextNotCommittedNotice)});
        EXPECT_TRUE(editor_.SelectionLayer().Visible());
        EXPECT_TRUE(editor_.SelectionLayer().VisibleRect());
        EXPECT_EQ(*editor_.View().Bitmap().PixelPtr(115, 120), *capture_.PixelPtr(115, 120));
        if (way.toolAfter == ctNone) {
            EXPECT_EQ(editor_.CurTool(), nullptr);
        } else {
            ASSERT_NE(editor_.CurTool(), nullptr);
            EXPECT_EQ(editor_.CurTool()->Kind(), way.toolAfter);
        }
        EXPECT_EQ(editor_.View().Layers().Count(), way.toolAfter == ctNone ? 2 : 3)
            << "box and frame are gone";
        std::uint16_t esc = 27;
        editor_.FormKeyDown(esc, 0);
        EXPECT_TRUE(host_.Called("hide window"));
    }
}

// Snapping: a window with an edit field filling most of it, and a second
// window lower in the stacking that reaches past the capture's corner.
class CaptureSnapTest : public CaptureEditorTest {
protected:
    static constexpr TRect kWindow{50, 40, 350, 260};
    static constexpr TRect kEdit{60, 70, 340, 250};
    static constexpr TRect kCornerClipped{300, 200, 400, 300};

    void OpenWithWindows(TPoint pointer = {0, 0}) {
        Open();
        const SnapWindowInfo tree[] = {
            {.rect = kWindow, .z = 0},
            {.rect = kEdit, .parent = 0, .z = 0},
            {.rect = {300, 200, 500, 400}, .z = 1},
        };
        editor_.SetSnapWindows(SnapWindows(tree, TRect{0, 0, 400, 300}), pointer);
    }
    void Wheel(int delta) { editor_.View().MouseWheel(0, delta); }
    void Click(int x, int y, int wobble = 0) {
        TImgView32& v = editor_.View();
        v.MouseMove(0, x, y);
        v.MouseDown(mbLeft, ssLeft, x, y);
        v.MouseMove(ssLeft, x + wobble, y + wobble);
        v.MouseUp(mbLeft, 0, x + wobble, y + wobble);
    }
    static TFloatRect Float(const TRect& r) {
        return TFloatRect{static_cast<float>(r.Left), static_cast<float>(r.Top),
                          static_cast<float>(r.Right), static_cast<float>(r.Bottom)};
    }
};

TEST_F(CaptureSnapTest, HoverOutlinesTheWindowUnderThePointerAndTheWheelStepsOutAndIn) {
    OpenWithWindows();
    TImgView32& v = editor_.View();
    struct Step {
        const char* what;
        std::function<void()> act;
        std::optional<TRect> outline;
    };
    const Step steps[] = {
        {"nothing under the pointer", [] {}, std::nullopt},
        {"the edit field", [&] { v.MouseMove(0, 100, 100); }, kEdit},
        {"a notch away steps out", [&] { Wheel(120); }, kWindow},
        {"and stops at the top-level window", [&] { Wheel(120); }, kWindow},
        {"a notch back steps in", [&] { Wheel(-120); }, kEdit},
        {"and stops at the innermost", [&] { Wheel(-240); }, kEdit},
        {"half a notch does nothing yet", [&] { Wheel(60); }, kEdit},
        {"the other half steps", [&] { Wheel(60); }, kWindow},
        {"moving inside the same field keeps the step", [&] { v.MouseMove(0, 200, 200); }, kWindow},
        {"the window's own frame", [&] { v.MouseMove(0, 55, 45); }, kWindow},
        {"a window clipped to the capture", [&] { v.MouseMove(0, 380, 280); }, kCornerClipped},
        {"back on the field: the step starts innermost again", [&] { v.MouseMove(0, 100, 100); },
         kEdit},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        s.act();
        EXPECT_EQ(editor_.SnapOutline(), s.outline);
    }
}

TEST_F(CaptureSnapTest, ClickSelectsTheOutlineAndOpensTheEditor) {
    struct Case {
        const char* why;
        TPoint at;
        int notches;
        int wobble;  // pointer movement between press and release
        TRect selection;
    };
    const Case cases[] = {
        {"the edit field", {100, 100}, 0, 0, kEdit},
        {"one notch out: the window", {100, 100}, 1, 0, kWindow},
        {"a window clipped to the capture", {380, 280}, 0, 0, kCornerClipped},
        {"a hand that moves under the drag threshold still clicks", {100, 100}, 0, 2, kEdit},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        host_.calls.clear();
        OpenWithWindows();
        editor_.View().MouseMove(0, c.at.X, c.at.Y);
        Wheel(120 * c.notches);
        Click(c.at.X, c.at.Y, c.wobble);
        const TRubberbandLayerNew& sel = editor_.SelectionLayer();
        EXPECT_TRUE(sel.VisibleRect());
        EXPECT_EQ(sel.SelectState(), ssEnd);
        EXPECT_EQ(sel.Location(), Float(c.selection));
        EXPECT_TRUE(host_.Called("panels"));
        EXPECT_EQ(editor_.CurTypeTool(), ctPen);
        TBitmap32 picture;
        ASSERT_TRUE(editor_.GetBitmap(picture));
        EXPECT_EQ(picture.Width(), c.selection.Width());
        EXPECT_EQ(picture.Height(), c.selection.Height());
        EXPECT_EQ(*picture.PixelPtr(0, 0), *capture_.PixelPtr(c.selection.Left, c.selection.Top));
        editor_.Close();
    }
}

TEST_F(CaptureSnapTest, ADragStillMakesAFreeSelection) {
    OpenWithWindows();
    editor_.View().MouseMove(0, 100, 100);
    DragSelection(100, 100, 200, 150);
    EXPECT_EQ(editor_.SelectionLayer().Location(), (TFloatRect{100, 100, 200, 150}));
    EXPECT_EQ(editor_.SelectionLayer().SelectState(), ssEnd);
    // A thin drag is neither a click nor a selection: the prompt again.
    editor_.Close();
    OpenWithWindows();
    DragSelection(100, 100, 150, 101);
    EXPECT_FALSE(editor_.SelectionLayer().VisibleRect());
    EXPECT_EQ(editor_.SnapOutline(), kEdit);
}

TEST_F(CaptureSnapTest, ClickWhereNoWindowIsShowsThePromptAgain) {
    OpenWithWindows();
    Click(10, 10);
    EXPECT_FALSE(editor_.SelectionLayer().VisibleRect());
    EXPECT_FALSE(host_.Called("panels"));
}

TEST_F(CaptureSnapTest, WindowsCameLateOrWindowCaptureOutlinesNothing) {
    // Before the list arrives the prompt works as ever; the pointer given
    // with the list outlines at once.
    Open();
    editor_.View().MouseMove(0, 100, 100);
    EXPECT_EQ(editor_.SnapOutline(), std::nullopt);
    const SnapWindowInfo tree[] = {{.rect = kWindow}};
    editor_.SetSnapWindows(SnapWindows(tree, TRect{0, 0, 400, 300}), TPoint{100, 100});
    EXPECT_EQ(editor_.SnapOutline(), kWindow);
    // Closing forgets them: the next capture reads its own.
    editor_.Close();
    EXPECT_EQ(editor_.SnapOutline(), std::nullopt);
    Open(1, TRect{10, 10, 100, 100});
    editor_.SetSnapWindows(SnapWindows(tree, TRect{0, 0, 400, 300}), TPoint{100, 100});
    EXPECT_EQ(editor_.SnapOutline(), std::nullopt);
}

// The outline is drawn inside the window's edge, its width through the
// scale of the display under the pointer; the window itself is undimmed.
TEST_F(CaptureSnapTest, OutlineWidthTakesTheDisplayScale) {
    for (const auto& [dpi, line] : {std::pair{96, 2}, std::pair{144, 3}, std::pair{192, 4}}) {
        SCOPED_TRACE(dpi);
        host_.monitors = {{TRect{0, 0, 400, 300}, dpi}};
        OpenWithWindows({300, 60});  // on the window's frame, the prompt well away
        ASSERT_EQ(editor_.SnapOutline(), kWindow);
        TBitmap32 view(400, 300);
        editor_.View().PaintTo(view, view.BoundsRect());
        const int y = 150;
        const TColor32 accent = *view.PixelPtr(kWindow.Left, y);
        EXPECT_EQ(accent & 0xFFFFFFu, 0x1CC2F1u);
        for (int i = 0; i < line; ++i) {
            EXPECT_EQ(*view.PixelPtr(kWindow.Left + i, y), accent) << i;
            EXPECT_EQ(*view.PixelPtr(kWindow.Right - 1 - i, y), accent) << i;
        }
        EXPECT_EQ(*view.PixelPtr(kWindow.Left + line, y),
                  *capture_.PixelPtr(kWindow.Left + line, y));
        EXPECT_NE(*view.PixelPtr(kWindow.Left - 1, y), *capture_.PixelPtr(kWindow.Left - 1, y));
        editor_.Close();
    }
}

}  // namespace
}  // namespace lg
