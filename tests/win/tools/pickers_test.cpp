// The width and font pickers as windows: their shape cut from the picture,
// upright and upside down, at two scales; the controls moved with the
// shape; choosing a width; the font picker's boxes and style toggles. And
// the text tool in a real capture: the palette's text button, the caret's
// blink timer, Ctrl+V from the clipboard, and the message loop's filter
// that hands the navigation keys to the text.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "capture/set_region_form.h"
#include "output/message_pump.h"
#include "output/panel_save.h"
#include "platform/handles.h"
#include "settings/settings.h"
#include "tools/panel_tools.h"

namespace lg::win {
namespace {

// A plain window to own the pickers, as the capture window does.
class OwnerWindow {
public:
    OwnerWindow() {
        wnd_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    }
    ~OwnerWindow() { DestroyWindow(wnd_); }
    HWND get() const { return wnd_; }

private:
    HWND wnd_;
};

bool InShape(HWND wnd, int x, int y) {
    UniqueGdiObject rgn(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(wnd, static_cast<HRGN>(rgn.get())) == ERROR) return false;
    return PtInRegion(static_cast<HRGN>(rgn.get()), x, y) != FALSE;
}

TSize ClientSize(HWND wnd) {
    RECT r{};
    GetClientRect(wnd, &r);
    return TSize{r.right, r.bottom};
}

class SettingsKept : public ::testing::Test {
protected:
    void TearDown() override {
        LGSettings() = settings_;
        TextFont() = font_;
    }
    TLGSettings settings_ = LGSettings();
    TTextFont font_ = TextFont();
};

using WidthFormTest = SettingsKept;

TEST_F(WidthFormTest, ShapeAndSliderFollowTheFlipAtEachScale) {
    OwnerWindow owner;
    TWidthForm form;
    ASSERT_TRUE(form.CreateForm(owner.get()));
    EXPECT_EQ(GetWindow(form.hwnd(), GW_OWNER), owner.get());

    struct Case {
        int dpi;
        TSize size;
        int sliderTop, sliderTopFlipped;
    } const cases[] = {{96, {125, 38}, 14, 10}, {144, {188, 57}, 21, 15}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dpi);
        const DisplayScale scale(c.dpi);
        form.SetScale(scale);
        for (bool flip : {false, true}) {
            SCOPED_TRACE(flip ? "upside down" : "upright");
            form.MoveTo(100, 100);
            form.Show(flip);
            test::PumpFor(50);
            EXPECT_TRUE(IsWindowVisible(form.hwnd()));
            EXPECT_EQ(ClientSize(form.hwnd()), c.size);
            EXPECT_EQ(form.Posbar1.Top(), flip ? c.sliderTopFlipped : c.sliderTop);
            // The corners are cut away; the pointer's tip faces the palette:
            // up when upright, down when upside down.
            const int tipX = scale.Px(62);
            const int edge = flip ? c.size.cy - 1 : 0;
            const int opposite = flip ? 0 : c.size.cy - 1;
            EXPECT_FALSE(InShape(form.hwnd(), 0, edge));
            EXPECT_FALSE(InShape(form.hwnd(), c.size.cx - 1, edge));
            EXPECT_TRUE(InShape(form.hwnd(), tipX, edge + (flip ? -1 : 1)));
            EXPECT_TRUE(InShape(form.hwnd(), tipX, opposite));
            EXPECT_TRUE(InShape(form.hwnd(), form.Posbar1.Left() + form.Posbar1.Width() / 2,
                                form.Posbar1.Top() + form.Posbar1.Height() / 2));
        }
    }
    form.HidePanel();
}

TEST_F(WidthFormTest, AChosenWidthIsThePenWidthAndClosesThePicker) {
    OwnerWindow owner;
    TWidthForm form;
    ASSERT_TRUE(form.CreateForm(owner.get()));
    int chosen = 0;
    form.OnWidthChosen = [&] { ++chosen; };
    LGSettings().penwidth = 3;
    form.Show(false);
    test::PumpFor(50);
    EXPECT_EQ(form.Posbar1.Position(), 3) << "the slider shows the width at show";

    // A click at the slider's right end: the position jumps there, and the
    // release ends the change.
    const int x = form.Posbar1.Width() - 1, y = form.Posbar1.Height() / 2;
    form.Posbar1.MouseDown(mbLeft, ssLeft, x, y);
    form.Posbar1.MouseUp(mbLeft, 0, x, y);
    EXPECT_EQ(LGSettings().penwidth, 8);
    EXPECT_FALSE(IsWindowVisible(form.hwnd()));
    EXPECT_EQ(chosen, 1);
}

using FontFormTest = SettingsKept;

TEST_F(FontFormTest, BoxesShowTheFontAndEveryChangeIsReported) {
    OwnerWindow owner;
    TFontForm form;
    ASSERT_TRUE(form.CreateForm(owner.get()));
    int changes = 0;
    form.OnChange = [&] { ++changes; };

    const auto& sizes = form.VEYComboBox2.Items();
    ASSERT_EQ(sizes.size(), 13u);
    EXPECT_EQ(sizes.front(), u"8");
    EXPECT_EQ(sizes.back(), u"20");

    TextFont() = TTextFont{};
    TextFont().style.Include(fsItalic);
    form.Show(false);
    test::PumpFor(50);
    EXPECT_EQ(form.VEYComboBox2.LabelText(), u"15");
    EXPECT_FALSE(form.VEYComboBox1.Items().empty()) << "the installed families";
    EXPECT_TRUE(form.btItalic.Down());
    EXPECT_FALSE(form.btBold.Down());

    form.btBold.Click();
    EXPECT_TRUE(TextFont().style.Contains(fsBold));
    form.btBold.Click();
    EXPECT_FALSE(TextFont().style.Contains(fsBold));
    EXPECT_FALSE(form.btBold.Down());

    form.VEYComboBox2.Pick(12);
    EXPECT_EQ(TextFont().size, 20);
    const int family = static_cast<int>(form.VEYComboBox1.Items().size()) - 1;
    form.VEYComboBox1.Pick(family);
    EXPECT_EQ(TextFont().name, form.VEYComboBox1.Items().back());
    EXPECT_EQ(changes, 4);

    // A size outside the list leaves the box as it was.
    TextFont().size = 42;
    form.HidePanel();
    form.Show(true);
    test::PumpFor(50);
    EXPECT_EQ(form.VEYComboBox2.LabelText(), u"20");
    EXPECT_EQ(form.VEYComboBox1.Top(), 50) << "upside down, the boxes move up";
    EXPECT_EQ(form.btBold.Top(), 6);
    form.HidePanel();
}

// A real capture of the whole screen with the palette and the pickers.
class TextToolInCaptureTest : public SettingsKept {
protected:
    void SetUp() override {
        LGSettings().ShowRedact = true;
        ASSERT_TRUE(form_.CreateForm());
        ASSERT_TRUE(panel_.CreateForm(form_));
        ASSERT_TRUE(tools_.CreateForm(form_));
        form_.SetPanels(&panel_, &tools_);
        form_.StartSelectRegion(2);
        test::PumpFor(100);
        ASSERT_TRUE(tools_.Showing());
        form_.Editor().SelectionLayer().SetLocation(TFloatRect{100, 100, 500, 400});
    }
    void TearDown() override {
        form_.Editor().Close();
        SettingsKept::TearDown();
    }

    TTextEditToolLayer* Text() {
        return dynamic_cast<TTextEditToolLayer*>(form_.Editor().CurTool());
    }

    // A key-down message as the loop takes it from the queue.
    MSG KeyDown(HWND wnd, WPARAM vk) {
        MSG msg{};
        msg.hwnd = wnd;
        msg.message = WM_KEYDOWN;
        msg.wParam = vk;
        return msg;
    }

    TSetRegionForm form_;
    TPanelSave panel_;
    TPanelTools tools_;
};

TEST_F(TextToolInCaptureTest, TextButtonOpensTheFontPickerAndAnotherToolClosesIt) {
    tools_.btText.Click();
    EXPECT_EQ(form_.Editor().CurTypeTool(), ctTextExit);
    EXPECT_TRUE(tools_.FontForm().Showing());
    tools_.btSetWidth.Click();
    EXPECT_FALSE(tools_.FontForm().Showing()) << "the width picker replaces it";
    EXPECT_TRUE(tools_.WidthForm().Showing());
    tools_.btRect.Click();
    EXPECT_FALSE(tools_.WidthForm().Showing());
    EXPECT_FALSE(tools_.FontForm().Showing());

    tools_.btText.Click();
    ASSERT_TRUE(tools_.FontForm().Showing());
    form_.Editor().Close();
    EXPECT_FALSE(tools_.FontForm().Showing()) << "the pickers close with the capture";
}

TEST_F(TextToolInCaptureTest, CaretBlinksPasteReadsTheClipboardAndKeysAreFiltered) {
    tools_.btText.Click();
    TTextEditToolLayer* text = Text();
    ASSERT_NE(text, nullptr);
    TImgView32& view = form_.Editor().View();
    view.MouseDown(mbLeft, ssLeft, 150, 150);
    view.MouseUp(mbLeft, 0, 150, 150);
    ASSERT_TRUE(text->IsStateRedact());

    // The caret changes phase on its own, every 700 ms.
    const bool phase = text->CaretVisible();
    EXPECT_GE(test::PumpUntil([&] { return text->CaretVisible() != phase; }, 2000), 0);

    // Ctrl+V: the clipboard's lines come in joined.
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    const char16_t clip[] = u"x\r\ny";
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, sizeof(clip));
    std::memcpy(GlobalLock(mem), clip, sizeof(clip));
    GlobalUnlock(mem);
    SetClipboardData(CF_UNICODETEXT, mem);
    CloseClipboard();
    for (char16_t c : std::u16string(u"ab")) text->KeyPress(c);
    text->KeyPress(22);
    EXPECT_EQ(text->Text(), u"abxy\r\n");

    // Home from the capture's view goes to the text and is not dispatched;
    // the same key for a window of another program part is left alone.
    HWND viewWnd = GetWindow(form_.hwnd(), GW_CHILD);
    ASSERT_NE(viewWnd, nullptr);
    EXPECT_TRUE(form_.ApplicationEvents1Message(KeyDown(viewWnd, VK_HOME)));
    EXPECT_EQ(text->Model().CaretPos_LX(), 0);
    EXPECT_TRUE(form_.ApplicationEvents1Message(KeyDown(viewWnd, VK_DELETE)));
    EXPECT_EQ(text->Text(), u"bxy\r\n");
    EXPECT_TRUE(form_.ApplicationEvents1Message(KeyDown(tools_.hwnd(), VK_END)))
        << "the palette is the capture's too";
    EXPECT_EQ(text->Model().CaretPos_LX(), 3);
    OwnerWindow other;
    EXPECT_FALSE(form_.ApplicationEvents1Message(KeyDown(other.get(), VK_LEFT)));
    EXPECT_EQ(text->Model().CaretPos_LX(), 3);
    MSG letter = KeyDown(viewWnd, 'A');
    EXPECT_FALSE(form_.ApplicationEvents1Message(letter)) << "letters are typed as usual";
}

}  // namespace
}  // namespace lg::win
