// What the five information windows have in common: their client sizes at
// 96 and 144 DPI, no border, a taskbar button of their own, their titles,
// and a painted surface that reaches every edge.
#include <functional>
#include <memory>
#include <string>

#include "info/about_form.h"
#include "info/form_offer_kvr.h"
#include "info/form_survey.h"
#include "info/new_version_form.h"
#include "info/welcom_form.h"
#include "info_test_support.h"
#include "output/message_pump.h"

namespace lg::win {
namespace {

using test::InfoWindowTest;

struct Made {
    std::unique_ptr<InfoForm> form;
    bool created = false;
};

struct WindowCase {
    const char* name;
    const wchar_t* className;
    const wchar_t* title;
    SIZE size96;
    std::function<Made(InfoServices)> make;
};

template <class Form>
Made MakeWith(InfoServices services) {
    std::unique_ptr<Form> form;
    if constexpr (std::is_constructible_v<Form, InfoServices>) {
        form = std::make_unique<Form>(std::move(services));
    } else {
        form = std::make_unique<Form>();
    }
    const bool created = form->CreateForm();
    return {std::move(form), created};
}

const WindowCase kWindows[] = {
    {"new-version", L"TNewVersionForm", L"Обновление", {526, 258}, MakeWith<TNewVersionForm>},
    {"about", L"TAboutForm", L"О программе", {576, 371}, MakeWith<TAboutForm>},
    {"welcome", L"TWelcomForm", L"Добро пожаловать", {576, 371}, MakeWith<TWelcomForm>},
    {"offer", L"TFormOfferKVR", L"Записать видео", {789, 480}, MakeWith<TFormOfferKVR>},
    {"survey", L"TFormSurvey", L"Оценка программы", {592, 260}, MakeWith<TFormSurvey>},
};

class InfoWindowsTest : public InfoWindowTest {};

TEST_F(InfoWindowsTest, SizedAtTheDisplayScaleBorderlessWithTheirOwnTaskbarButton) {
    for (const WindowCase& c : kWindows) {
        Made made = c.make(Services());
        ASSERT_TRUE(made.created) << c.name;
        InfoForm& form = *made.form;
        const HWND wnd = form.hwnd();

        wchar_t text[64] = {};
        GetClassNameW(wnd, text, 64);
        EXPECT_STREQ(text, c.className) << c.name;
        GetWindowTextW(wnd, text, 64);
        EXPECT_STREQ(text, c.title) << c.name << ": the taskbar button's text";
        const LONG style = GetWindowLongW(wnd, GWL_STYLE);
        const LONG exStyle = GetWindowLongW(wnd, GWL_EXSTYLE);
        EXPECT_TRUE(style & WS_POPUP) << c.name;
        EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME | WS_BORDER)) << c.name << ": no border";
        EXPECT_TRUE(exStyle & WS_EX_APPWINDOW) << c.name << ": a taskbar button of its own";
        EXPECT_FALSE(exStyle & WS_EX_TOOLWINDOW) << c.name;
        EXPECT_EQ(GetWindow(wnd, GW_OWNER), nullptr)
            << c.name << ": unowned, so every shell gives it a button";
        EXPECT_FALSE(IsWindowVisible(wnd)) << c.name << ": hidden until shown";

        struct Scale {
            int dpi;
            SIZE expected;
        } const scales[] = {
            {96, c.size96},
            // Halves round up: 789 becomes 1184.
            {144, {DisplayScale(144).Px(c.size96.cx), DisplayScale(144).Px(c.size96.cy)}},
        };
        for (const Scale& s : scales) {
            form.SetScale(DisplayScale(s.dpi));
            const SIZE client = test::ClientSize(wnd);
            EXPECT_EQ(client.cx, s.expected.cx) << c.name << " at " << s.dpi;
            EXPECT_EQ(client.cy, s.expected.cy) << c.name << " at " << s.dpi;
            // Painted edge to edge, the shapes at the scaled size.
            ShowWindow(wnd, SW_SHOWNA);
            UpdateWindow(wnd);
            test::PumpFor(50);
            const TBitmap32& px = form.Controls().Buffer();
            EXPECT_EQ(px.Width(), s.expected.cx) << c.name << " at " << s.dpi;
            test::KeepShot(px, std::string("info-") + c.name + "-" + std::to_string(s.dpi));
            ShowWindow(wnd, SW_HIDE);
        }
        form.SetScale(DisplayScale(96));

        // Centred on its monitor's work area (the offer on the primary one).
        MONITORINFO mi{};
        mi.cbSize = sizeof(mi);
        GetMonitorInfoW(MonitorFromWindow(wnd, MONITOR_DEFAULTTOPRIMARY), &mi);
        RECT r{};
        GetWindowRect(wnd, &r);
        EXPECT_LE(std::abs((r.left + r.right) - (mi.rcWork.left + mi.rcWork.right)), 2) << c.name;
        EXPECT_LE(std::abs((r.top + r.bottom) - (mi.rcWork.top + mi.rcWork.bottom)), 2) << c.name;
    }
}

TEST_F(InfoWindowsTest, TheBackgroundMovesTheWindowAndTheButtonsDoNot) {
    TAboutForm form(Services());
    ASSERT_TRUE(form.CreateForm());
    ShowWindow(form.hwnd(), SW_SHOWNA);
    RECT r{};
    GetWindowRect(form.hwnd(), &r);
    struct Case {
        const char* why;
        POINT client;
        LRESULT hit;
    } const cases[] = {
        {"the bare background", {100, 100}, HTCAPTION},
        {"the program's name, a label on it", {288, 170}, HTCAPTION},
        {"the icon", {284, 100}, HTCAPTION},
        {"the close button", {561, 15}, HTCLIENT},
        {"\"ЗАКРЫТЬ\"", {488, 337}, HTCLIENT},
        {"the link", {60, 336}, HTCLIENT},
    };
    for (const Case& c : cases) {
        const LRESULT hit = SendMessageW(form.hwnd(), WM_NCHITTEST, 0,
                                         MAKELPARAM(r.left + c.client.x, r.top + c.client.y));
        EXPECT_EQ(hit, c.hit) << c.why;
    }
}

}  // namespace
}  // namespace lg::win
