// The tray icon's retries on a real window and its timer, with a shell
// that refuses the first adds as one that is not ready yet does.
#include "app/tray_icon.h"

#include <gtest/gtest.h>

#include <vector>

namespace lg::win {
namespace {

constexpr UINT kCallback = WM_APP + 7;
constexpr UINT_PTR kRetryTimer = 3;

// A shell whose notification area takes icons only after `refusals` adds.
struct FakeShell {
    int refusals = 0;
    std::vector<DWORD> calls;
    std::vector<DWORD> addTimes;  // tick counts of the adds
    NOTIFYICONDATAW last{};

    bool operator()(DWORD message, NOTIFYICONDATAW& data) {
        calls.push_back(message);
        last = data;
        if (message != NIM_ADD) return false;
        addTimes.push_back(GetTickCount());
        if (refusals > 0) {
            --refusals;
            return false;
        }
        return true;
    }
};

class TrayIconTest : public ::testing::Test {
protected:
    void SetUp() override {
        wnd_ = CreateWindowExW(0, L"STATIC", L"tray owner", WS_POPUP, 0, 0, 10, 10, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(wnd_, nullptr);
        tray_.shell = [this](DWORD m, NOTIFYICONDATAW& d) { return shell_(m, d); };
        tray_.SetOwner(wnd_, LoadIconW(nullptr, IDI_APPLICATION), L"ЛюмиГРАБ");
    }
    void TearDown() override {
        tray_.Remove();
        DestroyWindow(wnd_);
    }

    // Runs the owner's messages, handing its timer to the icon, until
    // `done` holds or `timeoutMs` passes.
    template <typename Done>
    bool Pump(Done done, DWORD timeoutMs) {
        const DWORD start = GetTickCount();
        while (!done()) {
            if (GetTickCount() - start > timeoutMs) return false;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                if (msg.message == WM_TIMER && msg.hwnd == wnd_ && tray_.OnTimer(msg.wParam))
                    continue;
                DispatchMessageW(&msg);
            }
        }
        return true;
    }

    HWND wnd_ = nullptr;
    FakeShell shell_;
    TrayIcon tray_{1, kCallback, kRetryTimer};
};

TEST_F(TrayIconTest, AShellNotReadyAtStartGetsTheIconLater) {
    shell_.refusals = 2;
    tray_.schedule = TrayRetrySchedule{100, 1000, 10000};
    tray_.Add();
    EXPECT_FALSE(tray_.Added());
    EXPECT_TRUE(tray_.Retrying());
    ASSERT_TRUE(Pump([&] { return tray_.Added(); }, 5000)) << "never added";
    ASSERT_EQ(shell_.addTimes.size(), 3u);
    EXPECT_FALSE(tray_.Retrying());
    // The waits double: 100 ms, then 200 ms (timers may be late, never early
    // by more than the tick's resolution).
    EXPECT_GE(shell_.addTimes[1] - shell_.addTimes[0], 80u);
    EXPECT_GE(shell_.addTimes[2] - shell_.addTimes[1], 180u);
    // What the shell got: this window's icon with its callback and hint.
    EXPECT_EQ(shell_.last.hWnd, wnd_);
    EXPECT_EQ(shell_.last.uID, 1u);
    EXPECT_EQ(shell_.last.uCallbackMessage, kCallback);
    EXPECT_EQ(shell_.last.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_STREQ(shell_.last.szTip, L"ЛюмиГРАБ");
}

TEST_F(TrayIconTest, RetriesEndWithinTheirBoundAndANewTaskbarStartsThemAgain) {
    shell_.refusals = 1000;
    // Waits of 50, 100, 100: a fourth of 100 would pass the 300 ms bound.
    tray_.schedule = TrayRetrySchedule{50, 100, 300};
    tray_.Add();
    ASSERT_TRUE(Pump([&] { return !tray_.Retrying(); }, 5000)) << "retries did not end";
    EXPECT_EQ(shell_.addTimes.size(), 4u);
    EXPECT_FALSE(tray_.Added());

    // "TaskbarCreated": the shell is there now.
    shell_.refusals = 0;
    tray_.Add();
    EXPECT_TRUE(tray_.Added());
    EXPECT_FALSE(tray_.Retrying());
}

TEST_F(TrayIconTest, RemoveStopsTheRetries) {
    shell_.refusals = 1000;
    tray_.schedule = TrayRetrySchedule{50, 50, 10000};
    tray_.Add();
    tray_.Remove();
    EXPECT_FALSE(tray_.Retrying());
    const std::size_t adds = shell_.addTimes.size();
    Pump([] { return false; }, 300);
    EXPECT_EQ(shell_.addTimes.size(), adds);
    EXPECT_EQ(shell_.calls.back(), static_cast<DWORD>(NIM_DELETE));
}

}  // namespace
}  // namespace lg::win
