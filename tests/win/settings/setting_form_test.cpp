// The settings window with its services replaced: its size and taskbar
// button, the pages, the controls loaded from the record, save through the
// save step (a refused hotkey cleared, stored as 0 and told after the window
// closed), reset then cancel storing nothing, the radio pair, the duplicate
// rule, choosing a folder, the note on a combination the system refused,
// and a bare key refused by its editor and explained.
#include "settings/setting_form.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "output/message_pump.h"
#include "settings/settings.h"
#include "support/memory_registry_store.h"

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
        // The program's save step, over a fake system and registry.
        services_.apply = [this](const TLGSettings& current, const TLGSettings& edited) {
            ++stores_;
            return ApplySettings(current, edited, registrar_, store_, u"Lumigrab.exe",
                                 u"C:\\Lumigrab\\Lumigrab.exe");
        };
        services_.notify = [this](const std::u16string& text) { notices_.push_back(text); };
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
        CaptureKind kind;
        TShortCut hk;
    };
    // The system: refuses every combination of one kind.
    class FakeRegistrar : public HotKeyRegistrar {
    public:
        explicit FakeRegistrar(SettingFormTest& test) : test_(test) {}
        bool Register(CaptureKind kind, TShortCut hk) override {
            test_.registered_.push_back({kind, hk});
            return !(test_.refusedKind_ && *test_.refusedKind_ == kind);
        }

    private:
        SettingFormTest& test_;
    };
    TLGSettings kept_ = LGSettings();
    SettingFormServices services_;
    FakeRegistrar registrar_{*this};
    MemoryRegistryStore store_;
    std::vector<std::u16string> notices_;
    std::vector<Registration> registered_;
    std::vector<int> closed_;
    std::vector<std::wstring> warnings_;
    std::optional<CaptureKind> refusedKind_;
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
    refusedKind_ = thkWin;  // the window capture's combination is taken elsewhere
    auto form = Open();
    form->Option(SettingOption::btTwoMouse).Click();
    form->ImageButton5.Click();

    // Whole screen, window, area, then the last area, which has none.
    ASSERT_EQ(registered_.size(), 4u);
    EXPECT_EQ(registered_[0].kind, thkAll);
    EXPECT_EQ(registered_[0].hk, kScShift | 0x2C);
    EXPECT_EQ(registered_[1].kind, thkWin);
    EXPECT_EQ(registered_[2].kind, thkArea);
    EXPECT_EQ(registered_[3].kind, thkLastArea);
    EXPECT_EQ(registered_[3].hk, 0);
    EXPECT_EQ(LGSettings().hkWindow, 0);
    EXPECT_EQ(LGSettings().hkAll, kScShift | 0x2C);
    EXPECT_FALSE(LGSettings().TwoMouse);
    EXPECT_EQ(stores_, 1);
    EXPECT_EQ(store_.ReadDword(kProgramKey, u"hkWindow"), 0u) << "stored as 0";
    EXPECT_EQ(store_.ReadDword(kProgramKey, u"TwoMouse"), 0u);
    EXPECT_EQ(closed_, std::vector<int>{1});
    EXPECT_FALSE(IsWindowVisible(form->hwnd()));
    EXPECT_TRUE(warnings_.empty());
    // Told once the window closed: which combination and what it left.
    EXPECT_EQ(notices_, (std::vector<std::u16string>{
                            u"Сочетание Alt+Prt Scr занято другой программой.\r\nСкриншот "
                            u"активного окна остался без горячей клавиши."}));
}

TEST_F(SettingFormTest, ASaveWithEverythingRegisteredSaysNothing) {
    auto form = Open();
    form->ImageButton5.Click();
    EXPECT_EQ(registered_.size(), 4u);
    EXPECT_TRUE(notices_.empty());
    EXPECT_EQ(closed_, std::vector<int>{1});
}

// A typed bare key never reaches the record: the editor keeps its
// combination, the note says why, and the box shows the warning; the next
// real combination takes the note away.
TEST_F(SettingFormTest, ABareKeyIsRefusedByItsEditorAndExplained) {
    auto form = Open();
    form->btHot.Click();
    SetFocus(form->hkAreaScreen.hwnd());
    form->hkAreaScreen.KeyDown('A', false, false, false);
    EXPECT_EQ(form->hkAreaScreen.HotKey(), 0x2C) << "PrintScreen is kept";
    ASSERT_TRUE(form->lbRefusal.Visible());
    EXPECT_NE(form->lbRefusal.Caption().find(u"Клавишу A нельзя назначить без Ctrl, Alt или Shift"),
              std::u16string::npos);

    form->hkAreaScreen.KeyDown('A', false, true, false);
    EXPECT_EQ(form->hkAreaScreen.HotKey(), kScCtrl | 'A');
    EXPECT_FALSE(form->lbRefusal.Visible());
    form->ImageButton5.Click();
    EXPECT_EQ(LGSettings().hkArea, kScCtrl | 'A');
}

// A bare key an older version stored shows in its editor with the reason
// it has no hotkey; saving it unchanged stores 0 and says so.
TEST_F(SettingFormTest, AStoredBareKeyIsExplainedAndNotSaved) {
    LGSettings().hkWindow = '7';
    services_.refusedHotKey = [](CaptureKind kind) -> TShortCut {
        return kind == thkWin ? '7' : 0;
    };
    auto form = Open();
    form->btHot.Click();
    EXPECT_NE(form->lbRefusal.Caption().find(u"Клавишу 7 нельзя назначить"), std::u16string::npos);
    form->ImageButton5.Click();
    EXPECT_EQ(registered_[1].kind, thkWin);
    EXPECT_EQ(registered_[1].hk, 0) << "never offered to the system";
    EXPECT_EQ(LGSettings().hkWindow, 0);
    ASSERT_EQ(notices_.size(), 1u);
    EXPECT_NE(notices_[0].find(u"Клавишу 7 нельзя назначить без Ctrl, Alt или Shift"),
              std::u16string::npos);
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
    services_.refusedHotKey = [](CaptureKind kind) -> TShortCut {
        return kind == thkArea ? 0x2C : kind == thkAll ? (kScShift | 0x2C) : 0;
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
