// The rating window: the stars lit at open, under the pointer and after it
// left; a star click and what it stores; "Оценить позже" and the close
// button; the title drag.
#include "info/form_survey.h"

#include <memory>

#include "app/app_actions.h"
#include "info_test_support.h"
#include "platform/win32_registry_store.h"
#include "settings/scratch_key.h"
#include "update/feedback.h"

namespace lg::win {
namespace {

class SurveyFormTest : public test::InfoWindowTest {};

// The middle of star k (1..5).
POINT Star(int k) {
    return POINT{174 + 51 * (k - 1) + 20, 130};
}

TEST_F(SurveyFormTest, StarsLightUpToThePointerAndGoOutWhenItLeaves) {
    TFormSurvey form(Services());
    ASSERT_TRUE(form.CreateForm());
    form.Show();
    EXPECT_EQ(form.LitStars(), 4) << "four of five at open";
    struct Step {
        const char* why;
        POINT at;
        int lit;
    } const steps[] = {
        {"onto the fifth", Star(5), 5},           {"onto the second", Star(2), 2},
        {"onto the first", Star(1), 1},           {"onto the third", Star(3), 3},
        {"off to the background", {100, 200}, 0},
    };
    for (const Step& s : steps) {
        test::MoveTo(form.hwnd(), s.at.x, s.at.y);
        EXPECT_EQ(form.LitStars(), s.lit) << s.why;
    }
}

TEST_F(SurveyFormTest, AStarOpensTheRatingPageAndStopsTheAsking) {
    for (int k = 1; k <= 5; k += 2) {
        pages.clear();
        ScratchKey scratch(L"survey");
        auto store = std::make_shared<Win32RegistryStore>(scratch.get());
        TFormSurvey form(Services(store));
        ASSERT_TRUE(form.CreateForm());
        int closed = 0;
        form.OnClosed = [&] { ++closed; };
        form.Show();
        test::ClickAt(form.hwnd(), Star(k).x, Star(k).y);
        EXPECT_EQ(pages, std::vector<std::string>{"/survey200.php"}) << k;
        EXPECT_EQ(store->ReadDword(kProgramKey, kSurveySeeSite), 1u) << k;
        EXPECT_FALSE(form.Showing()) << k;
        EXPECT_EQ(closed, 1) << k;
    }
}

TEST_F(SurveyFormTest, LaterAndCloseOnlyClose) {
    struct Case {
        const char* why;
        POINT at;
    } const cases[] = {
        {"\"Оценить позже\"", {500, 232}},
        {"the close button", {571, 19}},
    };
    for (const Case& c : cases) {
        pages.clear();
        ScratchKey scratch(L"survey");
        auto store = std::make_shared<Win32RegistryStore>(scratch.get());
        TFormSurvey form(Services(store));
        ASSERT_TRUE(form.CreateForm());
        int closed = 0;
        form.OnClosed = [&] { ++closed; };
        form.Show();
        test::ClickAt(form.hwnd(), c.at.x, c.at.y);
        EXPECT_FALSE(form.Showing()) << c.why;
        EXPECT_EQ(closed, 1) << c.why;
        EXPECT_TRUE(pages.empty()) << c.why;
        EXPECT_FALSE(store->ValueExists(kProgramKey, kSurveySeeSite)) << c.why;
    }
}

TEST_F(SurveyFormTest, LaterLosesItsUnderlineAndBrightensUnderThePointer) {
    TFormSurvey form(Services());
    ASSERT_TRUE(form.CreateForm());
    form.Show();
    struct Step {
        const char* why;
        POINT at;
        TColor32 colour;
        bool underlined;
    } const steps[] = {
        {"at open", {100, 200}, Color32(178, 178, 178), true},
        {"under the pointer", {500, 232}, Color32(214, 214, 214), false},
        {"the pointer gone", {100, 200}, Color32(178, 178, 178), true},
    };
    for (const Step& s : steps) {
        test::MoveTo(form.hwnd(), s.at.x, s.at.y);
        EXPECT_EQ(form.LabelNextRun.Font.Color, s.colour) << s.why;
        EXPECT_EQ((form.LabelNextRun.Font.Style & fsUnderline) != 0, s.underlined) << s.why;
    }
}

TEST_F(SurveyFormTest, TheTitleDragsTheWindow) {
    TFormSurvey form(Services());
    ASSERT_TRUE(form.CreateForm());
    form.Show();
    RECT before{};
    GetWindowRect(form.hwnd(), &before);
    form.LabelTitleMouseDown(POINT{300, 300});
    EXPECT_TRUE(form.IsTitleMoving);
    form.LabelTitleMouseMove(POINT{330, 290});
    form.LabelTitleMouseMove(POINT{330, 290});  // no change, no move
    form.LabelTitleMouseMove(POINT{340, 310});
    RECT after{};
    GetWindowRect(form.hwnd(), &after);
    EXPECT_EQ(after.left - before.left, 40);
    EXPECT_EQ(after.top - before.top, 10);
    form.LabelTitleMouseUp();
    EXPECT_FALSE(form.IsTitleMoving);
    form.LabelTitleMouseMove(POINT{400, 400});
    RECT still{};
    GetWindowRect(form.hwnd(), &still);
    EXPECT_EQ(still.left, after.left) << "no drag after the release";
    // The title takes the press itself; the background leaves it to the
    // system's move.
    const auto hit = [&](int x, int y) {
        return SendMessageW(form.hwnd(), WM_NCHITTEST, 0,
                            MAKELPARAM(after.left + x, after.top + y));
    };
    EXPECT_EQ(hit(296, 76), HTCLIENT);
    EXPECT_EQ(hit(100, 200), HTCAPTION);
}

TEST_F(SurveyFormTest, TheShellShowsOneAtATime) {
    EXPECT_FALSE(SurveyWindowExists());
    ShowSurveyWindow();
    EXPECT_TRUE(SurveyWindowExists());
    HWND first = FindWindowW(L"TFormSurvey", nullptr);
    ShowSurveyWindow();
    EXPECT_EQ(FindWindowW(L"TFormSurvey", nullptr), first) << "no second window";
    SendMessageW(first, WM_CLOSE, 0, 0);
    EXPECT_FALSE(SurveyWindowExists());
    CloseInfoWindows();
}

}  // namespace
}  // namespace lg::win
