// The new-version notice: its texts, and the modal results of its two
// buttons and of Esc.
#include "info/new_version_form.h"

#include "info_test_support.h"
#include "output/message_pump.h"
#include "platform/program_version.h"

namespace lg::win {
namespace {

class NewVersionFormTest : public test::InfoWindowTest {};

TEST_F(NewVersionFormTest, SaysANewVersionIsThereAndWhichOneRuns) {
    TNewVersionForm form;
    ASSERT_TRUE(form.CreateForm());
    EXPECT_EQ(form.Label4.Caption(), u"Обновление");
    EXPECT_EQ(form.Label1.Caption(), u"Доступна новая версия! Необходимо\r\nобновить программу.");
    EXPECT_EQ(form.Label3.Caption(), u"ЛюмиГРАБ Версия " + GetProgramVersion(true));
    EXPECT_EQ(form.ImageButton5.Text(), u"ОБНОВИТЬ");
    EXPECT_EQ(form.ImageButton1.Hint, u"Закрыть");
    // Both lines whole, above the version.
    ShowWindow(form.hwnd(), SW_SHOWNA);
    UpdateWindow(form.hwnd());
    const TBitmap32& px = form.Controls().Buffer();
    EXPECT_GT(test::CountPixels(px, 103, 81, 505, 107, test::IsLight), 60) << "the first line";
    EXPECT_GT(test::CountPixels(px, 430, 81, 505, 107, test::IsLight), 10)
        << "the first line's end, not cut off";
    EXPECT_GT(test::CountPixels(px, 103, 107, 505, 135, test::IsLight), 30) << "the second line";
    EXPECT_EQ(test::CountPixels(px, 103, 136, 505, 200, test::IsLight), 0) << "nothing below";
}

TEST_F(NewVersionFormTest, ItsButtonsEndTheModalLoopWithTheirResults) {
    struct Case {
        const char* why;
        std::function<void(HWND)> act;
        int result;
    } const cases[] = {
        {"\"ОБНОВИТЬ\"", [](HWND w) { test::PostClickAt(w, 434, 219); }, 1},
        {"the close button", [](HWND w) { test::PostClickAt(w, 511, 15); }, 2},
        {"Esc", [](HWND w) { PostMessageW(w, WM_KEYDOWN, VK_ESCAPE, 0); }, 2},
        {"the system's close (the taskbar)", [](HWND w) { PostMessageW(w, WM_CLOSE, 0, 0); }, 2},
    };
    HWND owner = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    for (const Case& c : cases) {
        TNewVersionForm form;
        ASSERT_TRUE(form.CreateForm()) << c.why;
        c.act(form.hwnd());
        EXPECT_EQ(form.ShowModal(owner), c.result) << c.why;
        EXPECT_FALSE(form.Showing()) << c.why;
        EXPECT_TRUE(IsWindowEnabled(owner)) << c.why << ": the main window takes input again";
    }
    DestroyWindow(owner);
}

}  // namespace
}  // namespace lg::win
