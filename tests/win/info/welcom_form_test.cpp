// The welcome window: the welcome page when it shows, the buttons held
// for the wait while the window keeps painting, and what each button does.
#include "info/welcom_form.h"

#include "info_test_support.h"
#include "output/message_pump.h"

namespace lg::win {
namespace {

// Short enough for a test, long enough to look at the window meanwhile.
constexpr UINT kWait = 600;

class WelcomFormTest : public test::InfoWindowTest {};

// A click waiting for the window's buttons to answer.
struct PendingClick {
    TWelcomForm* form = nullptr;
    POINT at{};
} g_pending;

void CALLBACK ClickWhenReady(HWND, UINT, UINT_PTR, DWORD) {
    if (!g_pending.form || !g_pending.form->Ready()) return;
    TWelcomForm* form = g_pending.form;
    g_pending.form = nullptr;
    test::ClickAt(form->hwnd(), g_pending.at.x, g_pending.at.y);
}

TEST_F(WelcomFormTest, OpensTheWelcomePageAndHoldsTheButtonsWithoutFreezing) {
    TWelcomForm form(Services(), kWait);
    ASSERT_TRUE(form.CreateForm());
    ShowWindow(form.hwnd(), SW_SHOWNA);
    const ULONGLONG start = GetTickCount64();
    form.FormShow();
    EXPECT_EQ(pages, std::vector<std::string>{"/welcome.php"});
    EXPECT_FALSE(form.Ready());
    // A click during the wait does nothing; the window still paints.
    test::ClickAt(form.hwnd(), 455, 336);
    EXPECT_EQ(form.ModalResult(), 0);
    InvalidateRect(form.hwnd(), nullptr, FALSE);
    test::PumpFor(50);
    const TBitmap32& px = form.Controls().Buffer();
    ASSERT_EQ(px.Width(), 576);
    EXPECT_GT(test::CountPixels(px, 8, 150, 568, 182, test::IsLight), 100) << "the heading";

    ASSERT_NE(test::PumpUntil([&] { return form.Ready(); }, 5 * kWait), -1);
    EXPECT_GE(GetTickCount64() - start, kWait - 50);
    EXPECT_EQ(pages.size(), 1u) << "the page opens once";
    test::ClickAt(form.hwnd(), 455, 336);
    EXPECT_EQ(form.ModalResult(), 1) << "the buttons answer after the wait";
}

TEST_F(WelcomFormTest, ItsButtonsAfterTheWait) {
    struct Case {
        const char* why;
        POINT at;
        int result;  // -1: the window stays
        std::vector<std::string> pagesAfterWelcome;
    } const cases[] = {
        {"\"Сделать скриншот\"", {455, 336}, 1, {}},
        {"the close button", {561, 15}, 2, {}},
        {"the link stays open", {60, 336}, -1, {"/take-screenshot.php"}},
    };
    for (const Case& c : cases) {
        pages.clear();
        TWelcomForm form(Services(), 1);
        ASSERT_TRUE(form.CreateForm());
        if (c.result > 0) {
            // Clicked from inside the modal loop once the wait is over.
            g_pending = {&form, c.at};
            const UINT_PTR timer = SetTimer(nullptr, 0, 20, ClickWhenReady);
            EXPECT_EQ(form.ShowModal(nullptr), c.result) << c.why;
            KillTimer(nullptr, timer);
            EXPECT_FALSE(form.Showing()) << c.why;
        } else {
            ShowWindow(form.hwnd(), SW_SHOWNA);
            form.FormShow();
            ASSERT_NE(test::PumpUntil([&] { return form.Ready(); }, 2000), -1) << c.why;
            test::ClickAt(form.hwnd(), c.at.x, c.at.y);
            EXPECT_TRUE(form.Showing()) << c.why;
            EXPECT_EQ(form.ModalResult(), 0) << c.why;
        }
        std::vector<std::string> expected{"/welcome.php"};
        expected.insert(expected.end(), c.pagesAfterWelcome.begin(), c.pagesAfterWelcome.end());
        EXPECT_EQ(pages, expected) << c.why;
    }
}

}  // namespace
}  // namespace lg::win
