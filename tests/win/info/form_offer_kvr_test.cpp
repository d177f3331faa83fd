// The companion offer: the day it may show by itself again after each of
// its buttons, kept in a scratch registry; the product's page; hidden, not
// destroyed, and shown only when not showing.
#include "info/form_offer_kvr.h"

#include <memory>

#include "info_test_support.h"
#include "platform/win32_registry_store.h"
#include "settings/scratch_key.h"
#include "settings/settings_date.h"
#include "update/feedback.h"

namespace lg::win {
namespace {

class OfferFormTest : public test::InfoWindowTest {};

TEST_F(OfferFormTest, EachButtonHidesItAndMovesItsDay) {
    struct Case {
        const char* why;
        POINT at;
        std::vector<std::string> pages;
        double showOffer;
    } const cases[] = {
        {"\"УЗНАТЬ БОЛЬШЕ\": the page, and ten days",
         {466, 400},
         {"/versiya-pro.php"},
         test::kToday + 10},
        {"the close button: five days", {752, 40}, {}, test::kToday + 5},
    };
    for (const Case& c : cases) {
        pages.clear();
        ScratchKey scratch(L"offer");
        auto store = std::make_shared<Win32RegistryStore>(scratch.get());
        TFormOfferKVR form(Services(store));
        ASSERT_TRUE(form.CreateForm()) << c.why;
        form.Show();
        ASSERT_TRUE(form.Showing()) << c.why;
        test::ClickAt(form.hwnd(), c.at.x, c.at.y);
        EXPECT_EQ(pages, c.pages) << c.why;
        EXPECT_EQ(ReadSettingsDate(*store, kShowOfferDate), c.showOffer) << c.why;
        EXPECT_FALSE(form.Showing()) << c.why;
        EXPECT_TRUE(IsWindow(form.hwnd())) << c.why << ": hidden, kept for the next time";
        // Shown again, from the tray, whatever the date says.
        form.Show();
        EXPECT_TRUE(form.Showing()) << c.why;
    }
}

TEST_F(OfferFormTest, ShowingAgainWhileShownLeavesItWhereTheUserPutIt) {
    TFormOfferKVR form(Services());
    ASSERT_TRUE(form.CreateForm());
    form.Show();
    RECT before{};
    GetWindowRect(form.hwnd(), &before);
    SetWindowPos(form.hwnd(), nullptr, before.left + 40, before.top + 30, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    form.Show();
    RECT after{};
    GetWindowRect(form.hwnd(), &after);
    EXPECT_EQ(after.left, before.left + 40);
    EXPECT_EQ(after.top, before.top + 30);
    // Hidden and shown again, it is back in the primary monitor's middle.
    test::ClickAt(form.hwnd(), 752, 40);
    form.Show();
    GetWindowRect(form.hwnd(), &after);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
}

TEST_F(OfferFormTest, TheButtonCarriesItsCaptionAndArrow) {
    TFormOfferKVR form(Services());
    ASSERT_TRUE(form.CreateForm());
    EXPECT_EQ(form.ImageButton1.Text(), u"УЗНАТЬ БОЛЬШЕ");
    EXPECT_EQ(form.ImageButton2.Hint, u"Закрыть");
    form.Show();
    UpdateWindow(form.hwnd());
    const TBitmap32& px = form.Controls().Buffer();
    // The caption sits 25 px left of the middle; the arrow near the right
    // end; white on the accent.
    EXPECT_GT(test::CountPixels(px, 370, 390, 540, 412, test::IsLight), 80) << "the caption";
    EXPECT_GT(test::CountPixels(px, 545, 390, 570, 412, test::IsLight), 15) << "the arrow";
}

}  // namespace
}  // namespace lg::win
