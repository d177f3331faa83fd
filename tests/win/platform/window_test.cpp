// The window base: the common messages reach their virtual handlers, a
// control's notification to its parent comes back to the control first,
// and the options a window is created with (drag by the background, Esc
// closes, no activation, placement, DPI change) answer their messages.
#include "platform/window.h"

#include <gtest/gtest.h>

#include "platform/display_dpi.h"

namespace lg::win {
namespace {

constexpr wchar_t kClass[] = L"WindowBaseTest";

class Probe : public Window {
public:
    bool Make(HWND parent = nullptr, bool reflect = false) {
        reflect_ = reflect;
        return RegisterClassOnce(kClass) && Create({.className = kClass,
                                                    .style = parent ? WS_CHILD : WS_POPUP,
                                                    .x = 0,
                                                    .y = 0,
                                                    .width = 10,
                                                    .height = 10,
                                                    .parent = parent});
    }
    bool OnReflectedCommand(WORD code) override {
        reflected = code;
        return reflect_;
    }

    WORD reflected = 0;
    UINT_PTR timer = 0;
    WORD command = 0;
    WORD commandCode = 0;
    bool closed = false;

protected:
    bool OnTimer(UINT_PTR id) override {
        timer = id;
        return true;
    }
    bool OnCommand(WORD id, WORD code, HWND) override {
        command = id;
        commandCode = code;
        return true;
    }
    bool OnClose() override {
        closed = true;
        return true;  // kept: the default would destroy the window
    }

private:
    bool reflect_ = false;
};

TEST(WindowBaseTest, CommonMessagesReachTheirHandlers) {
    Probe w;
    ASSERT_TRUE(w.Make());
    EXPECT_EQ(Window::FromHandle(w.hwnd()), &w);
    EXPECT_EQ(Window::FromHandle(GetDesktopWindow()), nullptr);
    SendMessageW(w.hwnd(), WM_TIMER, 7, 0);
    EXPECT_EQ(w.timer, 7u);
    SendMessageW(w.hwnd(), WM_COMMAND, MAKEWPARAM(101, 0), 0);
    EXPECT_EQ(w.command, 101);
    SendMessageW(w.hwnd(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(w.closed);
    EXPECT_TRUE(IsWindow(w.hwnd()));
}

TEST(WindowBaseTest, AControlsNotificationGoesBackToTheControlFirst) {
    Probe parent;
    ASSERT_TRUE(parent.Make());
    Probe taker, passer;
    ASSERT_TRUE(taker.Make(parent.hwnd(), true));
    ASSERT_TRUE(passer.Make(parent.hwnd(), false));

    SendMessageW(parent.hwnd(), WM_COMMAND, MAKEWPARAM(5, EN_CHANGE),
                 reinterpret_cast<LPARAM>(taker.hwnd()));
    EXPECT_EQ(taker.reflected, EN_CHANGE);
    EXPECT_EQ(parent.command, 0) << "the control handled it";

    SendMessageW(parent.hwnd(), WM_COMMAND, MAKEWPARAM(6, EN_SETFOCUS),
                 reinterpret_cast<LPARAM>(passer.hwnd()));
    EXPECT_EQ(passer.reflected, EN_SETFOCUS);
    EXPECT_EQ(parent.command, 6) << "left to the parent";
    EXPECT_EQ(parent.commandCode, EN_SETFOCUS);
}

constexpr wchar_t kOptionsClass[] = L"WindowOptionsTest";

// A 100 x 50 window (at 96 DPI) whose left 20 pixels are a control.
class OptionsProbe : public Window {
public:
    static constexpr int kControlWidth = 20;

    bool Make(WindowOptions options, HWND owner = nullptr) {
        return RegisterClassOnce(kOptionsClass) && Create({.className = kOptionsClass,
                                                           .style = WS_POPUP,
                                                           .x = 40,
                                                           .y = 30,
                                                           .width = 100,
                                                           .height = 50,
                                                           .parent = owner,
                                                           .options = options});
    }
    void PlaceNow(DisplayScale scale) { MoveToPlacement(scale); }
    RECT Bounds() const {
        RECT r{};
        GetWindowRect(hwnd(), &r);
        return r;
    }

    int closes = 0;
    int rescaled = 0;
    DisplayScale scale;

protected:
    bool TakesPress(POINT client) override { return client.x < kControlWidth; }
    bool OnClose() override {
        ++closes;
        return true;
    }
    void OnScaleChanged(DisplayScale s) override {
        ++rescaled;
        scale = s;
        SetWindowPos(hwnd(), nullptr, 0, 0, s.Px(100), s.Px(50),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
};

RECT PrimaryWorkArea() {
    MONITORINFO mi{};
    mi.cbSize = sizeof(mi);
    GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &mi);
    return mi.rcWork;
}

TEST(WindowOptionsTest, EachOptionAnswersItsMessageAndOnlyWhenAsked) {
    const WindowOptions none{};
    const WindowOptions drag{.dragByBackground = true};
    const WindowOptions esc{.escapeCloses = true};
    const WindowOptions inactive{.noActivate = true};
    const POINT background{60, 25}, control{5, 25};
    struct Case {
        const char* why;
        WindowOptions options;
        UINT msg;
        WPARAM wp;
        POINT client;  // for a hit test
        LRESULT expected;
        int closes;
    } const cases[] = {
        {"the background drags", drag, WM_NCHITTEST, 0, background, HTCAPTION, 0},
        {"a control takes the press", drag, WM_NCHITTEST, 0, control, HTCLIENT, 0},
        {"without the option the background is client", none, WM_NCHITTEST, 0, background, HTCLIENT,
         0},
        {"a click does not activate", inactive, WM_MOUSEACTIVATE, 0, {}, MA_NOACTIVATE, 0},
        {"without the option a click activates", none, WM_MOUSEACTIVATE, 0, {}, MA_ACTIVATE, 0},
        {"Esc closes through OnClose", esc, WM_KEYDOWN, VK_ESCAPE, {}, 0, 1},
        {"another key does not", esc, WM_KEYDOWN, 'A', {}, 0, 0},
        {"without the option Esc does nothing", none, WM_KEYDOWN, VK_ESCAPE, {}, 0, 0},
    };
    for (const Case& c : cases) {
        OptionsProbe w;
        ASSERT_TRUE(w.Make(c.options)) << c.why;
        const RECT r = w.Bounds();
        const LPARAM lp = c.msg == WM_NCHITTEST
                              ? MAKELPARAM(r.left + c.client.x, r.top + c.client.y)
                              : MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN);
        EXPECT_EQ(SendMessageW(w.hwnd(), c.msg, c.wp, lp), c.expected) << c.why;
        EXPECT_EQ(w.closes, c.closes) << c.why;
    }
}

TEST(WindowOptionsTest, PlacementPutsTheWindowWhereItSaysAtCreationAndOnRequest) {
    const RECT work = PrimaryWorkArea();
    OptionsProbe owner;
    ASSERT_TRUE(owner.Make({}));
    SetWindowPos(owner.hwnd(), nullptr, work.left + 300, work.top + 200, 400, 300,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    struct Case {
        const char* why;
        Placement placement;
        HWND owner;
        DisplayScale scale;  // of MoveToPlacement
        POINT expected;      // top-left, for the 100 x 50 window
    } const cases[] = {
        {"where it was created", Placement::Free, nullptr, {}, {40, 30}},
        {"centred in the primary work area",
         Placement::WorkAreaCentre,
         nullptr,
         {},
         {work.left + (work.right - work.left - 100) / 2,
          work.top + (work.bottom - work.top - 50) / 2}},
        {"in the corner, 10 px off at 96 DPI",
         Placement::PrimaryCorner,
         nullptr,
         {},
         {work.right - 100 - 10, work.bottom - 50 - 10}},
        {"in the corner, 15 px off at 144 DPI",
         Placement::PrimaryCorner,
         nullptr,
         DisplayScale(144),
         {work.right - 100 - 15, work.bottom - 50 - 15}},
        {"centred over its owner",
         Placement::OverOwner,
         owner.hwnd(),
         {},
         {work.left + 300 + 150, work.top + 200 + 125}},
    };
    for (const Case& c : cases) {
        OptionsProbe w;
        ASSERT_TRUE(w.Make({.placement = c.placement}, c.owner)) << c.why;
        if (c.scale == DisplayScale()) {
            const RECT made = w.Bounds();
            EXPECT_EQ(made.left, c.expected.x) << c.why << ", when created";
            EXPECT_EQ(made.top, c.expected.y) << c.why << ", when created";
        }
        SetWindowPos(w.hwnd(), nullptr, 5, 5, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        w.PlaceNow(c.scale);
        const RECT r = w.Bounds();
        const POINT expected = c.placement == Placement::Free ? POINT{5, 5} : c.expected;
        EXPECT_EQ(r.left, expected.x) << c.why;
        EXPECT_EQ(r.top, expected.y) << c.why;
        EXPECT_EQ(r.right - r.left, 100) << c.why << ": the size stays";
    }
}

TEST(WindowOptionsTest, ADpiChangeRescalesThenTakesTheSuggestedPlaceOrTheCorner) {
    const RECT work = PrimaryWorkArea();
    RECT suggested{300, 200, 300 + 150, 200 + 75};
    struct Case {
        const char* why;
        WindowOptions options;
        int rescaled;
        POINT expected;  // top-left afterwards
    } const cases[] = {
        {"moved where the system suggests", {.followsDpi = true}, 1, {300, 200}},
        {"a corner window back in its corner at the new size and margin",
         {.followsDpi = true, .placement = Placement::PrimaryCorner},
         1,
         {work.right - 150 - 15, work.bottom - 75 - 15}},
        {"without the option nothing happens", {}, 0, {40, 30}},
    };
    for (const Case& c : cases) {
        OptionsProbe w;
        ASSERT_TRUE(w.Make(c.options)) << c.why;
        if (c.options.placement == Placement::Free) {
            SetWindowPos(w.hwnd(), nullptr, 40, 30, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        SendMessageW(w.hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                     reinterpret_cast<LPARAM>(&suggested));
        EXPECT_EQ(w.rescaled, c.rescaled) << c.why;
        const RECT r = w.Bounds();
        EXPECT_EQ(r.left, c.expected.x) << c.why;
        EXPECT_EQ(r.top, c.expected.y) << c.why;
        if (c.rescaled) {
            EXPECT_EQ(w.scale.Dpi(), 144) << c.why;
            EXPECT_EQ(r.right - r.left, 150) << c.why << ": sized by the window at 150 %";
        }
    }
}

}  // namespace
}  // namespace lg::win
