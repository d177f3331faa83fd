// The settings window with its services replaced: its size and taskbar
// button, the pages, the controls loaded from the record, save (with a
// refused hotkey cleared and stored as 0), reset then cancel storing
// nothing, the radio pair, the duplicate rule, choosing a folder, and the
// note on a combination the system refused.
#include "settings/setting_form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "output/message_pump.h"
#include "settings/settings.h"

namespace lg::win {
namespace {

class SettingFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        TLGSettings& s = LGSettings();
        s.hkAll = kScShift | 0x2C;
        s.hkArea = 0x2C;
        s.hkWindow = kScAlt | 0x2C;
        s.Server = true;
        s.OpenURL = true;
        s.SaveLocal = false;
        s.ShowRedact = true;
        s.TwoMouse = true;
        s.format = 1;
        s.path = u"C:\\shots\\";
        services_.regHotKey = [this](int kind, TShortCut hk) {
            registered_.push_back({kind, hk});
            return kind != refusedKind_;
        };
        services_.store = [this] {
            ++stores_;
            return true;
        };
        services_.autostartRegistered = [] { return false; };
        services_.folderWritable = [this](const std::wstring&) { return writable_; };
        services_.chooseFolder = [this](HWND, const std::wstring&) { return chosen_; };
        services_.warn = [this](HWND, const std::wstring& text) { warnings_.push_back(text); };
    }
    void TearDown() override { LGSettings() = kept_; }

    std::unique_ptr<TSettingForm> Open() {
        auto form = std::make_unique<TSettingForm>(services_);
        form->OnClosed = [this](int r) { closed_.push_back(r); };
        EXPECT_TRUE(form->CreateForm(POINT{100, 100}));
        test::PumpFor(50);
        return form;
    }

    struct Registration {
        int kind;
        TShortCut hk;
    };
    TLGSettings kept_ = LGSettings();
    SettingFormServices services_;
    std::vector<Registration> registered_;
    std::vector<int> closed_;
    std::vector<std::wstring> warnings_;
    int refusedKind_ = -1;
    int stores_ = 0;
    bool writable_ = true;
    std::wstring chosen_;
};

TEST_F(SettingFormTest, AWindowOfItsOwnShowingTheRecord) {
    auto form = Open();
    RECT client{};
    GetClientRect(form->hwnd(), &client);
    EXPECT_EQ(client.right, 681);
    EXPECT_EQ(client.bottom, 439);
    EXPECT_TRUE(GetWindowLongW(form->hwnd(), GWL_EXSTYLE) & WS_EX_APPWINDOW) << "taskbar button";

    EXPECT_EQ(form->Page(), SettingPage::Main);
    EXPECT_TRUE(form->btMain.Down());
    EXPECT_FALSE(IsWindowVisible(form->hkAreaScreen.hwnd())) << "on the hotkeys page only";
    form->btHot.Click();
    EXPECT_EQ(form->Page(), SettingPage::Hot);
    EXPECT_TRUE(IsWindowVisible(form->hkAreaScreen.hwnd()));
    EXPECT_FALSE(form->btMain.Down());
    EXPECT_FALSE(form->Option(SettingOption::btShowRedact).Visible());

    EXPECT_EQ(form->hkAllScreen.Text(), u"Shift+Prt Scr");
    EXPECT_EQ(form->hkWinScreen.Text(), u"Alt+Prt Scr");
    EXPECT_TRUE(form->Ticked(SettingOption::btServer));
    EXPECT_FALSE(form->Ticked(SettingOption::btClip));
    EXPECT_EQ(form->cbFormat.ItemIndex(), 1);
    EXPECT_EQ(form->PathText(), L"C:\\shots\\");
    EXPECT_FALSE(form->Ticked(SettingOption::btRunWinStart)) << "from the autostart entry";
}

TEST_F(SettingFormTest, SaveRegistersAnewAndStoresARefusedHotkeyAsZero) {
    refusedKind_ = 1;  // the window capture's combination is taken elsewhere
    auto form = Open();
    form->Option(SettingOption::btTwoMouse).Click();
    form->ImageButton5.Click();

    ASSERT_EQ(registered_.size(), 3u);
    EXPECT_EQ(registered_[0].kind, 0);
    EXPECT_EQ(registered_[0].hk, kScShift | 0x2C);
    EXPECT_EQ(registered_[1].kind, 1);
    EXPECT_EQ(registered_[2].kind, 2);
    EXPECT_EQ(LGSettings().hkWindow, 0);
    EXPECT_EQ(LGSettings().hkAll, kScShift | 0x2C);
    EXPECT_FALSE(LGSettings().TwoMouse);
    EXPECT_EQ(stores_, 1);
    EXPECT_EQ(closed_, std::vector<int>{1});
    EXPECT_FALSE(IsWindowVisible(form->hwnd()));
    EXPECT_TRUE(warnings_.empty());
}

TEST_F(SettingFormTest, ResetThenCancelChangesNothing) {
    const TLGSettings before = LGSettings();
    auto form = Open();
    form->lbReset.Click();
    EXPECT_TRUE(form->Ticked(SettingOption::btRunWinStart)) << "the reset turns autostart on";
    EXPECT_EQ(form->cbFormat.ItemIndex(), 0);
    form->ImageButton4.Click();
    EXPECT_TRUE(registered_.empty());
    EXPECT_EQ(stores_, 0);
    EXPECT_EQ(LGSettings().format, before.format);
    EXPECT_EQ(LGSettings().path, before.path);
    EXPECT_EQ(closed_, std::vector<int>{2});
}

TEST_F(SettingFormTest, ARefusedCombinationIsExplainedUntilTheUserChangesIt) {
    bool snipping = true;
    services_.refusedHotKey = [](int kind) -> TShortCut {
        return kind == 2 ? 0x2C : kind == 0 ? (kScShift | 0x2C) : 0;
    };
    services_.printScreenForSnipping = [&snipping] { return snipping; };
    auto form = Open();
    EXPECT_FALSE(form->lbRefusal.Visible()) << "on the hotkeys page only";
    form->btHot.Click();
    ASSERT_TRUE(form->lbRefusal.Visible());
    const std::u16string& note = form->lbRefusal.Caption();
    EXPECT_NE(note.find(u"Параметрах Windows"), std::u16string::npos) << "PrintScreen: snipping";
    EXPECT_NE(note.find(u"Shift+Prt Scr занято другой программой"), std::u16string::npos);
    EXPECT_LE(form->lbRefusal.Lines().size(), 3u) << "fits under the check box";

    // Another combination in the area editor: only the other refusal stays.
    form->hkAreaScreen.SetHotKey(kScCtrl | 0x2C);
    EXPECT_EQ(form->lbRefusal.Caption().find(u"Параметрах Windows"), std::u16string::npos);
    form->hkAllScreen.SetHotKey(kScCtrl | kScShift | 0x2C);
    EXPECT_FALSE(form->lbRefusal.Visible());
    form->ImageButton4.Click();

    // The same refusal with the snipping setting off is another program's.
    snipping = false;
    auto again = Open();
    again->btHot.Click();
    EXPECT_NE(again->lbRefusal.Caption().find(u"Сочетания Shift+Prt Scr, Prt Scr заняты"),
              std::u16string::npos);
}

TEST_F(SettingFormTest, RadioPairLabelsAndTheDuplicateRule) {
    auto form = Open();
    form->btSave.Click();
    // The label acts like its button: the clipboard option unticks the
    // browser option; choosing it again changes nothing.
    form->optionLabels[static_cast<std::size_t>(SettingOption::btClip)].Click();
    EXPECT_TRUE(form->Ticked(SettingOption::btClip));
    EXPECT_FALSE(form->Ticked(SettingOption::btServer));
    EXPECT_FALSE(form->Ticked(SettingOption::btOpenURL));
    form->Option(SettingOption::btClip).Click();
    EXPECT_TRUE(form->Ticked(SettingOption::btClip));
    form->Option(SettingOption::btOpenURL).Click();
    EXPECT_TRUE(form->Ticked(SettingOption::btOpenURL)) << "ticking it by hand stays allowed";

    // The area editor takes the whole screen's combination: it gives way.
    form->hkAreaScreen.SetHotKey(kScShift | 0x2C);
    EXPECT_EQ(form->hkAreaScreen.HotKey(), 0);
    EXPECT_EQ(form->hkAllScreen.HotKey(), kScShift | 0x2C);
}

TEST_F(SettingFormTest, AChosenFolderMustBeWritable) {
    auto form = Open();
    chosen_ = L"C:\\read-only";
    writable_ = false;
    form->ImageButton16.Click();
    EXPECT_EQ(form->PathText(), L"C:\\shots\\");
    EXPECT_EQ(warnings_.size(), 1u) << "said, not silently ignored";
    EXPECT_FALSE(form->Ticked(SettingOption::btSaveToo));

    chosen_ = L"D:\\pictures";
    writable_ = true;
    form->ImageButton16.Click();
    EXPECT_EQ(form->PathText(), L"D:\\pictures\\");
    EXPECT_TRUE(form->Ticked(SettingOption::btSaveToo)) << "choosing a folder turns the copy on";
}

}  // namespace
}  // namespace lg::win
