// The settings window: the stored settings on its pages (main options,
// hotkeys, save options: kSettingPages), saved with "СОХРАНИТЬ" after the
// hotkeys are registered anew, left untouched by "ОТМЕНИТЬ", the close
// button and Esc. A borderless window with its own taskbar button, dragged
// by its background; one at a time.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "controls/combo_list_window.h"
#include "controls/image_button.h"
#include "controls/image_control.h"
#include "controls/label.h"
#include "controls/surface_window.h"
#include "controls/vey_combo_box.h"
#include "platform/handles.h"
#include "settings/apply_settings.h"
#include "settings/hot_key_edit.h"
#include "settings/setting_form_layout.h"
#include "settings/shortcut.h"

namespace lg::win {

// What the window needs from the rest of the program, so that it can be
// tested on its own.
struct SettingFormServices {
    // The save: the window's record `edited` applied over the program's
    // `current` one (ApplySettings: the hotkeys registered anew, refused
    // ones cleared, the record stored).
    std::function<SettingsApplied(const TLGSettings& current, const TLGSettings& edited)> apply;
    // Tells the user, after the window closed, which combinations the save
    // could not register (the notification by default in the program).
    std::function<void(const std::u16string& text)> notify;
    // Lets the user choose a folder starting at `initial`; empty when the
    // choice was cancelled.
    std::function<std::wstring(HWND owner, const std::wstring& initial)> chooseFolder;
    // Whether a new file can be made in the folder.
    std::function<bool(const std::wstring& folder)> folderWritable;
    std::function<bool()> autostartRegistered;
    // Tells the user what went wrong (a message box by default).
    std::function<void(HWND owner, const std::wstring& text)> warn;
    // The combination the system last refused for a kind (0 when its
    // registration stands), and whether the system gives PrintScreen to
    // its snipping tool: what the note beside the editors tells.
    std::function<TShortCut(CaptureKind kind)> refusedHotKey;
    std::function<bool()> printScreenForSnipping;
};

class TSettingForm : public SurfaceWindow {
public:
    explicit TSettingForm(SettingFormServices services);
    ~TSettingForm() override;

    // Creates the window (FormCreate) centred on the monitor of `at`
    // (a point on the screen) and shows it.
    bool CreateForm(POINT at);

    void LoadSettings();
    // Controls → record → the save step; what it registered, refused and
    // stored.
    SettingsApplied SaveSettings();
    void DefaultSettings();

    // The page buttons' shared click.
    void btMainClick(TImageButton2& sender);
    void ImageButton5Click();   // save
    void ImageButton4Click();   // cancel
    void ImageButton1Click();   // close
    void ImageButton2Click();   // reset
    void ImageButton16Click();  // choose a folder

    SettingPage Page() const { return page_; }
    // 0 while open, 1 after a save, 2 after cancel or close.
    int ModalResult() const { return modalResult_; }
    // The window closed with its result (it is hidden, not yet destroyed).
    std::function<void(int result)> OnClosed;

    TLabel lbTitle;
    TImageButton ImageButton1;  // close
    // One button, heading and separator a page, in kSettingPages' order.
    std::array<TImageButton2, kSettingPages.size()> pageButtons;
    TImageButton2& btMain = pageButtons[PageIndex(SettingPage::Main)];
    TImageButton2& btHot = pageButtons[PageIndex(SettingPage::Hot)];
    TImageButton2& btSave = pageButtons[PageIndex(SettingPage::Save)];
    std::array<TLabel, kSettingPages.size()> headings;
    std::array<TImage, kSettingPages.size()> separators;
    std::array<TImageButton, kSettingOptions.size()> options;
    std::array<TLabel, kSettingOptions.size()> optionLabels;
    THotKey hkAllScreen, hkAreaScreen, hkWinScreen, hkLastArea;
    std::array<TLabel, kSettingHotKeys.size()> hotKeyLabels;
    // Why a combination an editor holds was refused; hidden when none was.
    TLabel lbRefusal;
    // The folder, read-only: drawn by the window (a click chooses another).
    TLabel edPath2;
    TImageButton ImageButton16;  // "Выбрать"
    TLabel lbFormat;
    TVEYComboBox cbFormat;
    TImageButton ImageButton2;  // reset
    TLabel lbReset;
    TImageButton ImageButton4;  // cancel
    TImageButton ImageButton5;  // save

    TImageButton& Option(SettingOption id) { return options[static_cast<std::size_t>(id)]; }
    bool Ticked(SettingOption id) { return Option(id).Down(); }
    THotKey& HotKeyEditor(int index);
    std::wstring PathText() const;

protected:
    bool OnClose() override;
    void LayoutControls() override;

private:
    void PaintBackground(TBitmap32& surface);
    void ShowPage(SettingPage page);
    void OptionClick(SettingOption id);
    void HotKeyChanged(int index);
    void UpdateRefusalNote();
    void SetPathText(const std::u16string& text);
    void End(int result);

    SettingFormServices services_;
    ComboListWindow cbFormatList_{cbFormat};
    // The controls that show on one page only, beside the options (whose
    // page is in their table) and the hotkey editors (child windows).
    std::vector<std::pair<TGraphicControl*, SettingPage>> pageControls_;
    UniqueGdiObject surfaceBrush_;
    SettingPage page_ = SettingPage::Main;
    int modalResult_ = 0;
    bool changing_ = false;  // inside the duplicate rule's own change
    bool printScreenForSnipping_ = false;
    // Per editor, the refused combination it still holds, or 0.
    std::array<TShortCut, kSettingHotKeys.size()> refusedShown_{};
};

}  // namespace lg::win
