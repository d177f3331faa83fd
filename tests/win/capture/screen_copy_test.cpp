#include "capture/screen_copy.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace lg::win {
namespace {

constexpr COLORREF kPaint = RGB(10, 200, 30);

LRESULT CALLBACK PaintProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_ERASEBKGND) {
        RECT r;
        GetClientRect(wnd, &r);
        HBRUSH brush = CreateSolidBrush(kPaint);
        FillRect(reinterpret_cast<HDC>(wp), &r, brush);
        DeleteObject(brush);
        return 1;
    }
    return DefWindowProcW(wnd, msg, wp, lp);
}

void Pump() {
    MSG msg;
    for (int i = 0; i < 50; ++i) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(10);
    }
}

TEST(ScreenCopyTest, VirtualScreenHoldsThePrimaryScreen) {
    TRect work = VirtualScreenRect();
    EXPECT_LE(work.Left, 0);
    EXPECT_LE(work.Top, 0);
    EXPECT_GE(work.Width(), GetSystemMetrics(SM_CXSCREEN));
    EXPECT_GE(work.Height(), GetSystemMetrics(SM_CYSCREEN));
    EXPECT_FALSE(MonitorRects().empty());
}

TEST(ScreenCopyTest, CopiesWhatTheScreenShowsOpaque) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &PaintProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"LgScreenCopyTest";
    RegisterClassW(&wc);
    HWND wnd = CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 100,
                               120, 200, 100, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(wnd, nullptr);
    UpdateWindow(wnd);
    Pump();

    TRect work = VirtualScreenRect();
    TBitmap32 shot;
    ASSERT_TRUE(CopyScreen(shot, work, false));
    ASSERT_EQ(shot.Width(), work.Width());
    ASSERT_EQ(shot.Height(), work.Height());
    const TColor32 expected =
        0xFF000000u | (GetRValue(kPaint) << 16) | (GetGValue(kPaint) << 8) | GetBValue(kPaint);
    EXPECT_EQ(shot.PixelS(150 - work.Left, 170 - work.Top), expected);
    EXPECT_EQ(shot.PixelS(100 - work.Left, 120 - work.Top), expected);
    EXPECT_EQ(shot.PixelS(299 - work.Left, 219 - work.Top), expected);
    // Every pixel is opaque, the window's and the desktop's alike.
    for (TColor32 p : shot.Pixels()) ASSERT_EQ(p >> 24, 0xFFu);

    // A part of the screen: capture (0,0) is that part's corner.
    TBitmap32 part;
    ASSERT_TRUE(CopyScreen(part, TRect{150, 150, 170, 160}, false));
    EXPECT_EQ(part.Width(), 20);
    EXPECT_EQ(part.PixelS(0, 0), expected);
    DestroyWindow(wnd);
}

TEST(ScreenCopyTest, DrawsThePointerOnlyWhenAsked) {
    SetCursorPos(400, 300);
    SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)));  // IDC_ARROW
    Pump();
    CURSORINFO ci{};
    ci.cbSize = sizeof(ci);
    if (!GetCursorInfo(&ci) || ci.flags != CURSOR_SHOWING) {
        GTEST_SKIP() << "this display reports no visible pointer";
    }
    const TRect area{ci.ptScreenPos.x, ci.ptScreenPos.y, ci.ptScreenPos.x + 32,
                     ci.ptScreenPos.y + 32};
    TBitmap32 plain, withPointer;
    ASSERT_TRUE(CopyScreen(plain, area, false));
    ASSERT_TRUE(CopyScreen(withPointer, area, true));
    int changed = 0;
    for (size_t i = 0; i < plain.Pixels().size(); ++i) {
        changed += plain.Pixels()[i] != withPointer.Pixels()[i];
    }
    EXPECT_GT(changed, 10) << "the pointer's image lands at the pointer position";
    // Its top-left corner is at the pointer: the pixel just above-left is untouched.
    TBitmap32 around, aroundWith;
    const TRect wider{area.Left - 4, area.Top - 4, area.Right, area.Bottom};
    ASSERT_TRUE(CopyScreen(around, wider, false));
    ASSERT_TRUE(CopyScreen(aroundWith, wider, true));
    EXPECT_EQ(around.PixelS(0, 0), aroundWith.PixelS(0, 0));
}

}  // namespace
}  // namespace lg::win
