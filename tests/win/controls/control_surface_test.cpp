// A panel with windowless buttons on the real window system: painting,
// hover, click with the mouse capture, hit testing for dragging the panel,
// activation and the hints.
#include "controls/control_surface.h"

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "controls/floating_panel.h"
#include "controls/image_button.h"
#include "screen_probe.h"

namespace lg::win {
namespace {

constexpr TColor32 kNormal = 0xFF30C040u;
constexpr TColor32 kMove = 0xFFC03040u;
constexpr TColor32 kDown = 0xFF3040C0u;

using testing::Pump;
using testing::ScreenPixel;

TBitmap32 Solid(TColor32 c) {
    TBitmap32 b(30, 30);
    b.Clear(c);
    return b;
}

LPARAM At(int x, int y) {
    return MAKELPARAM(x, y);
}

class ControlSurfaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        button_.SetBounds(40, 4, 30, 30);
        button_.SetNormalImage(Solid(kNormal));
        button_.SetMoveImage(Solid(kMove));
        button_.SetDownImage(Solid(kDown));
        button_.Hint = u"Копировать";
        button_.OnClick = [this](TGraphicControl&) { ++clicks_; };
        ASSERT_TRUE(panel_.CreatePanel(nullptr));
        panel_.Controls().Add(button_);
        panel_.MoveTo(100, 120);
        panel_.ShowPanel();
        Pump();
    }

    FloatingPanel panel_{L"LgControlSurfaceTest", 120, 38};
    TImageButton button_;
    int clicks_ = 0;
};

TEST_F(ControlSurfaceTest, PaintsHoversPressesAndClicks) {
    HWND wnd = panel_.hwnd();
    EXPECT_EQ(ScreenPixel(100 + 5, 120 + 5), 0xFF091A32u) << "the panel surface";
    EXPECT_EQ(ScreenPixel(100 + 55, 120 + 19), kNormal);

    SendMessageW(wnd, WM_MOUSEMOVE, 0, At(55, 19));
    Pump();
    EXPECT_EQ(ScreenPixel(100 + 55, 120 + 19), kMove);

    SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, At(55, 19));
    Pump();
    EXPECT_EQ(ScreenPixel(100 + 55, 120 + 19), kDown);
    EXPECT_EQ(GetCapture(), wnd) << "the pressed button keeps the mouse";

    SendMessageW(wnd, WM_LBUTTONUP, 0, At(56, 20));
    Pump();
    EXPECT_EQ(clicks_, 1);
    EXPECT_NE(GetCapture(), wnd);

    // Pressed, dragged out and released outside: no click.
    SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, At(55, 19));
    SendMessageW(wnd, WM_MOUSEMOVE, MK_LBUTTON, At(110, 19));
    SendMessageW(wnd, WM_LBUTTONUP, 0, At(110, 19));
    Pump();
    EXPECT_EQ(clicks_, 1);
}

TEST_F(ControlSurfaceTest, LosingTheMouseWhilePressedIsNoClick) {
    HWND wnd = panel_.hwnd();
    SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, At(55, 19));
    ASSERT_EQ(GetCapture(), wnd);
    HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    SetCapture(other);
    EXPECT_FALSE(panel_.Controls().Host().Capturing());
    ReleaseCapture();
    DestroyWindow(other);
    SendMessageW(wnd, WM_LBUTTONUP, 0, At(55, 19));
    Pump();
    EXPECT_EQ(clicks_, 0) << "the press ended with the loss, so its release clicks nothing";
    EXPECT_EQ(ScreenPixel(100 + 55, 120 + 19), kNormal) << "nor a pressed look";
}

TEST_F(ControlSurfaceTest, BackgroundDragsThePanelAndClicksLeaveTheFocusAlone) {
    HWND wnd = panel_.hwnd();
    EXPECT_EQ(SendMessageW(wnd, WM_NCHITTEST, 0, At(100 + 5, 120 + 5)), HTCAPTION);
    EXPECT_EQ(SendMessageW(wnd, WM_NCHITTEST, 0, At(100 + 55, 120 + 19)), HTCLIENT);
    EXPECT_EQ(SendMessageW(wnd, WM_MOUSEACTIVATE, 0, MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
              MA_NOACTIVATE);
}

struct TooltipSearch {
    HWND owner;
    LRESULT tools = -1;
};

BOOL CALLBACK FindOwnedTooltip(HWND w, LPARAM p) {
    auto* f = reinterpret_cast<TooltipSearch*>(p);
    wchar_t cls[64];
    GetClassNameW(w, cls, 64);
    if (lstrcmpiW(cls, TOOLTIPS_CLASSW) == 0 && GetWindow(w, GW_OWNER) == f->owner) {
        f->tools = SendMessageW(w, TTM_GETTOOLCOUNT, 0, 0);
    }
    return TRUE;
}

TEST_F(ControlSurfaceTest, HintsBecomeTooltips) {
    TooltipSearch found{panel_.hwnd()};
    EnumThreadWindows(GetCurrentThreadId(), &FindOwnedTooltip, reinterpret_cast<LPARAM>(&found));
    EXPECT_EQ(found.tools, 1);
}

TEST_F(ControlSurfaceTest, MovedOntoAMonitorOfAnotherScaleItTakesTheSuggestedPlaceAndItsSize) {
    HWND wnd = panel_.hwnd();
    RECT suggested{300, 200, 300 + 180, 200 + 57};
    SendMessageW(wnd, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    RECT now{};
    GetWindowRect(wnd, &now);
    EXPECT_EQ(now.left, 300);
    EXPECT_EQ(now.top, 200);
    EXPECT_EQ(now.right - now.left, 180) << "120 design pixels at 150 %";
    EXPECT_EQ(now.bottom - now.top, 57) << "38 design pixels at 150 %";
}

}  // namespace
}  // namespace lg::win
