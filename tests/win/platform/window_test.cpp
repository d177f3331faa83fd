// The window base: the common messages reach their virtual handlers, and a
// control's notification to its parent comes back to the control first.
#include "platform/window.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace lg::win
