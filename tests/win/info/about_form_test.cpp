// The about window: its texts, its link, its two ways to close, and that
// the tray's command keeps one at a time.
#include "info/about_form.h"

#include "app/app_actions.h"
#include "info_test_support.h"
#include "output/message_pump.h"
#include "platform/program_version.h"

namespace lg::win {
namespace {

class AboutFormTest : public test::InfoWindowTest {};

struct ClassCount {
    const wchar_t* className;
    int n = 0;
};

// A stdcall callback: a lambda does not convert to one on 32-bit builds.
BOOL CALLBACK CountVisible(HWND wnd, LPARAM lp) {
    auto* c = reinterpret_cast<ClassCount*>(lp);
    wchar_t name[64] = {};
    GetClassNameW(wnd, name, 64);
    if (IsWindowVisible(wnd) && lstrcmpW(name, c->className) == 0) ++c->n;
    return TRUE;
}

int VisibleWindowsOfClass(const wchar_t* className) {
    ClassCount count{className};
    EnumThreadWindows(GetCurrentThreadId(), CountVisible, reinterpret_cast<LPARAM>(&count));
    return count.n;
}

TEST_F(AboutFormTest, NamesTheProgramAndItsVersion) {
    TAboutForm form(Services());
    ASSERT_TRUE(form.CreateForm());
    EXPECT_EQ(form.Label4.Caption(), u"О программе");
    EXPECT_EQ(form.Label1.Caption(), u"Программа ЛюмиГРАБ");
    EXPECT_FALSE(form.Label2.Caption().empty());
    EXPECT_EQ(form.Label3.Caption(), u"Версия " + GetProgramVersion(true));
    EXPECT_EQ(form.ImageButton4.Text(), u"ЗАКРЫТЬ");
    EXPECT_EQ(form.ImageButton1.Hint, u"Закрыть");

    // The name is centred in its 560-pixel line, the icon above it.
    form.Show();
    UpdateWindow(form.hwnd());
    const TBitmap32& px = form.Controls().Buffer();
    int left = px.Width(), right = -1;
    for (int y = 157; y < 185; ++y) {
        for (int x = 8; x < 568; ++x) {
            if (!test::IsLight(px.PixelS(x, y))) continue;
            left = std::min(left, x);
            right = std::max(right, x);
        }
    }
    ASSERT_GT(right, left) << "the name is drawn";
    EXPECT_LE(std::abs((left + right) / 2 - 288), 3) << left << ".." << right;
    EXPECT_EQ(px.PixelS(284, 100), Color32(255, 255, 255)) << "the icon's white dot";
}

TEST_F(AboutFormTest, TheLinkOpensTheHomePageAndBothButtonsClose) {
    struct Case {
        const char* why;
        POINT at;
        std::vector<std::string> pages;
        bool closed;
    } const cases[] = {
        {"the link picture", {60, 336}, {"/"}, false},
        {"\"ЗАКРЫТЬ\"", {488, 337}, {}, true},
        {"the close button", {561, 15}, {}, true},
    };
    for (const Case& c : cases) {
        pages.clear();
        TAboutForm form(Services());
        ASSERT_TRUE(form.CreateForm());
        int closedCalls = 0;
        form.OnClosed = [&] { ++closedCalls; };
        form.Show();
        test::ClickAt(form.hwnd(), c.at.x, c.at.y);
        EXPECT_EQ(pages, c.pages) << c.why;
        EXPECT_EQ(form.Showing(), !c.closed) << c.why;
        EXPECT_EQ(closedCalls, c.closed ? 1 : 0) << c.why;
    }
}

TEST_F(AboutFormTest, TheTraysCommandShowsOneAtATime) {
    OpenAboutWindow(nullptr);
    EXPECT_EQ(VisibleWindowsOfClass(L"TAboutForm"), 1);
    OpenAboutWindow(nullptr);
    EXPECT_EQ(VisibleWindowsOfClass(L"TAboutForm"), 1) << "the open one comes to the front";
    // Closed, the next command makes it again.
    HWND shown = FindWindowW(L"TAboutForm", nullptr);
    ASSERT_NE(shown, nullptr);
    SendMessageW(shown, WM_CLOSE, 0, 0);
    EXPECT_EQ(VisibleWindowsOfClass(L"TAboutForm"), 0);
    OpenAboutWindow(nullptr);
    EXPECT_EQ(VisibleWindowsOfClass(L"TAboutForm"), 1);
    CloseInfoWindows();
    EXPECT_EQ(VisibleWindowsOfClass(L"TAboutForm"), 0);
}

}  // namespace
}  // namespace lg::win
