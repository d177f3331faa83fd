// The combo box's drop-down list as a window: where it opens, that it never
// takes the activation, what a click on an item, beside the list and on the
// face does, what its scroll bar does, and the wheel, keys and characters
// the message loop hands it.
#include "controls/combo_list_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/control_surface.h"
#include "output/message_pump.h"
#include "platform/window.h"

namespace lg::win {
namespace {

constexpr wchar_t kHostClass[] = L"ComboListTestHost";

// A plain top-level window carrying one combo box face.
class Host : public Window {
public:
    Host() : surface_(Color32(9, 26, 50)) {}
    bool Make(int x, int y) {
        if (!RegisterClassOnce(kHostClass)) return false;
        if (!Create({.className = kHostClass,
                     .title = L"host",
                     .style = WS_POPUP | WS_VISIBLE,
                     .exStyle = WS_EX_TOPMOST,
                     .x = x,
                     .y = y,
                     .width = 300,
                     .height = 120})) {
            return false;
        }
        surface_.Attach(hwnd());
        return true;
    }
    ControlSurface& Surface() { return surface_; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
        LRESULT r = 0;
        if (surface_.HandleMessage(msg, wp, lp, r)) return r;
        return Window::HandleMessage(msg, wp, lp);
    }

private:
    ControlSurface surface_;
};

std::vector<std::u16string> Numbers(int n) {
    std::vector<std::u16string> items;
    for (int i = 0; i < n; ++i) {
        const std::string s = std::to_string(i);
        items.emplace_back(s.begin(), s.end());
    }
    return items;
}

RECT WindowRectOf(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return r;
}

LPARAM At(int x, int y) {
    return MAKELPARAM(x, y);
}

class ComboListWindowTest : public ::testing::Test {
protected:
    // A face 51 × 31 at (10, 10) of a host at (x, y) with 20 items.
    void Make(int x, int y) {
        ASSERT_TRUE(host_.Make(x, y));
        box_.SetBounds(10, 10, 51, 31);
        box_.SetItems(Numbers(20));
        box_.SetItemIndex(2);
        box_.OnClick = [this](TGraphicControl&) { ++clicks_; };
        host_.Surface().Add(box_);
        ASSERT_TRUE(list_.Attach(host_.hwnd()));
        SetForegroundWindow(host_.hwnd());
        test::PumpFor(50);
    }

    // A whole click at (x, y) of the list's client area, as the list sees
    // it while it holds the mouse.
    void ClickList(int x, int y) {
        SendMessageW(list_.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, At(x, y));
        SendMessageW(list_.hwnd(), WM_LBUTTONUP, 0, At(x, y));
    }

    Host host_;
    TVEYComboBox box_;
    ComboListWindow list_{box_};
    int clicks_ = 0;
};

TEST_F(ComboListWindowTest, OpensBelowAtTwiceTheWidthWithoutTakingTheActivation) {
    Make(100, 100);
    HWND active = GetActiveWindow();
    box_.SetDroppedDown(true);
    test::PumpFor(50);
    ASSERT_TRUE(list_.IsOpen());
    const RECT r = WindowRectOf(list_.hwnd());
    const ComboListGeometry g = box_.ListGeometry();
    EXPECT_EQ(r.left, 100 + 10);
    EXPECT_EQ(r.top, 100 + 10 + g.bounds.Top);
    EXPECT_EQ(r.right - r.left, 2 * 51);
    EXPECT_EQ(r.bottom - r.top, g.bounds.Height());
    EXPECT_EQ(GetActiveWindow(), active);
    EXPECT_EQ(GetCapture(), list_.hwnd()) << "it sees the next click anywhere";
    list_.Close();
    EXPECT_FALSE(list_.IsOpen());
    EXPECT_NE(GetCapture(), list_.hwnd());
}

TEST_F(ComboListWindowTest, OpensAboveTheFaceNearTheBottomOfTheWorkArea) {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    Make(100, work.bottom - 60);
    box_.SetDroppedDown(true);
    test::PumpFor(50);
    const RECT r = WindowRectOf(list_.hwnd());
    EXPECT_EQ(r.bottom, work.bottom - 60 + 10) << "its bottom at the face's top";
    EXPECT_LE(r.bottom, work.bottom);
    list_.Close();
}

TEST_F(ComboListWindowTest, AClickPicksBesideItClosesAndTheFaceToggles) {
    Make(100, 100);
    const ComboListGeometry g = box_.ListGeometry();

    // On an item: picked once, shown on the face, the list gone.
    box_.SetDroppedDown(true);
    const TRect row = g.RowRect(4);
    ClickList(row.Left + 5, row.Top + 3);
    EXPECT_EQ(clicks_, 1);
    EXPECT_EQ(box_.ItemIndex(), box_.TopIndex() + 4);
    EXPECT_FALSE(list_.IsOpen());

    // Beside it, and on the face: closed without a pick.
    box_.SetDroppedDown(true);
    ClickList(-50, -50);
    EXPECT_FALSE(list_.IsOpen());
    box_.SetDroppedDown(true);
    POINT face{10 + 20, 10 + 10};
    MapWindowPoints(host_.hwnd(), list_.hwnd(), &face, 1);
    ClickList(face.x, face.y);
    EXPECT_FALSE(list_.IsOpen());
    EXPECT_FALSE(box_.DroppedDown());
    EXPECT_EQ(clicks_, 1);

    // A press in the list released outside it picks nothing.
    box_.SetDroppedDown(true);
    SendMessageW(list_.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, At(row.Left + 5, row.Top + 3));
    SendMessageW(list_.hwnd(), WM_LBUTTONUP, 0, At(-50, -50));
    EXPECT_TRUE(list_.IsOpen());
    EXPECT_EQ(clicks_, 1);
    list_.Close();
}

TEST_F(ComboListWindowTest, TheLoopHandsTheOpenListItsWheelAndKeys) {
    Make(100, 100);
    MSG msg{};
    msg.hwnd = host_.hwnd();
    msg.message = WM_KEYDOWN;
    msg.wParam = VK_DOWN;
    EXPECT_FALSE(ComboListWindow::PreTranslate(msg)) << "no list open: nothing taken";

    box_.SetItemIndex(0);
    box_.SetDroppedDown(true);
    msg.message = WM_MOUSEWHEEL;
    msg.wParam = MAKEWPARAM(0, static_cast<WORD>(-2 * WHEEL_DELTA));
    EXPECT_TRUE(ComboListWindow::PreTranslate(msg));
    EXPECT_EQ(box_.TopIndex(), 2) << "two notches down, two rows";

    msg.message = WM_KEYDOWN;
    msg.wParam = VK_END;
    EXPECT_TRUE(ComboListWindow::PreTranslate(msg));
    EXPECT_EQ(box_.HighlightedIndex(), 19);
    msg.wParam = VK_UP;
    EXPECT_TRUE(ComboListWindow::PreTranslate(msg));
    msg.wParam = VK_RETURN;
    EXPECT_TRUE(ComboListWindow::PreTranslate(msg));
    EXPECT_EQ(box_.ItemIndex(), 18);
    EXPECT_EQ(clicks_, 1);
    EXPECT_FALSE(list_.IsOpen());

    // Esc closes the list only: the window with the focus never sees it.
    box_.SetDroppedDown(true);
    msg.wParam = VK_ESCAPE;
    EXPECT_TRUE(ComboListWindow::PreTranslate(msg));
    EXPECT_FALSE(list_.IsOpen());
    EXPECT_FALSE(ComboListWindow::PreTranslate(msg));
    EXPECT_EQ(clicks_, 1);
}

TEST_F(ComboListWindowTest, TheScrollBarScrollsAndNeverPicks) {
    Make(100, 100);
    box_.SetItemIndex(0);
    box_.SetDroppedDown(true);
    const ListScrollBar bar = box_.ScrollBar();
    ASSERT_TRUE(bar.Shown()) << "20 items in 8 rows";
    const int x = (bar.bar.Left + bar.bar.Right) / 2;

    // The down arrow: one row, the list stays open, nothing picked.
    ClickList(x, (bar.downArrow.Top + bar.downArrow.Bottom) / 2);
    EXPECT_EQ(box_.TopIndex(), 1);
    // The track below the thumb: a page, to the end of 20.
    ClickList(x, bar.track.Bottom - 1);
    EXPECT_EQ(box_.TopIndex(), 9);
    // The up arrow.
    ClickList(x, bar.upArrow.Top + 1);
    EXPECT_EQ(box_.TopIndex(), 8);
    EXPECT_TRUE(list_.IsOpen());
    EXPECT_EQ(clicks_, 0);
    EXPECT_EQ(box_.ItemIndex(), 0);

    // The thumb dragged to the top, released beside the list: no pick, no
    // closing, and the press was the bar's to the end.
    const ListScrollBar now = box_.ScrollBar();
    const int y = (now.thumb.Top + now.thumb.Bottom) / 2;
    SendMessageW(list_.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, At(x, y));
    SendMessageW(list_.hwnd(), WM_MOUSEMOVE, MK_LBUTTON, At(x - 40, y - 500));
    EXPECT_EQ(box_.TopIndex(), 0);
    SendMessageW(list_.hwnd(), WM_LBUTTONUP, 0, At(-50, -50));
    EXPECT_TRUE(list_.IsOpen());
    EXPECT_EQ(box_.ScrollPressed(), ListScrollPart::None);
    EXPECT_EQ(clicks_, 0);

    // A held down arrow goes on stepping while the button stays down.
    const POINT arrow{x, (bar.downArrow.Top + bar.downArrow.Bottom) / 2};
    POINT screen = arrow;
    ClientToScreen(list_.hwnd(), &screen);
    SetCursorPos(screen.x, screen.y);
    SendMessageW(list_.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, At(arrow.x, arrow.y));
    EXPECT_EQ(box_.TopIndex(), 1);
    test::PumpFor(1000);
    EXPECT_GT(box_.TopIndex(), 3) << "repeated while held";
    SendMessageW(list_.hwnd(), WM_LBUTTONUP, 0, At(arrow.x, arrow.y));
    const int held = box_.TopIndex();
    test::PumpFor(300);
    EXPECT_EQ(box_.TopIndex(), held) << "released: it stops";
    EXPECT_EQ(clicks_, 0);
    list_.Close();
}

TEST_F(ComboListWindowTest, TypedCharactersGoToTheOpenListOnly) {
    Make(100, 100);
    box_.SetItems({u"Arial", u"Roboto", u"Roboto Black", u"Щит", u"Шрифт", u"Noto Sans"});
    MSG msg{};
    msg.hwnd = host_.hwnd();
    msg.message = WM_CHAR;
    msg.wParam = L'r';
    EXPECT_FALSE(ComboListWindow::PreTranslate(msg)) << "no list open: the text gets it";

    box_.SetDroppedDown(true);
    EXPECT_TRUE(ComboListWindow::PreTranslate(msg));
    EXPECT_EQ(box_.HighlightedIndex(), 1);
    msg.wParam = L'R';
    EXPECT_TRUE(ComboListWindow::PreTranslate(msg));
    EXPECT_EQ(box_.HighlightedIndex(), 2) << "the same letter again: the next one";
    msg.wParam = L'ш';
    EXPECT_TRUE(ComboListWindow::PreTranslate(msg));
    EXPECT_EQ(box_.HighlightedIndex(), 4);
    msg.wParam = L'q';
    EXPECT_TRUE(ComboListWindow::PreTranslate(msg)) << "taken, though nothing starts with it";
    EXPECT_EQ(box_.HighlightedIndex(), 4);
    msg.message = WM_KEYDOWN;
    msg.wParam = VK_RETURN;
    EXPECT_TRUE(ComboListWindow::PreTranslate(msg));
    EXPECT_EQ(box_.LabelText(), u"Шрифт");
    EXPECT_EQ(clicks_, 1);
}

}  // namespace
}  // namespace lg::win
