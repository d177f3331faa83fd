// The hidden main window: tray icon, tray menu, start-up and update timers,
// and the request of a second start to show the settings.
#pragma once

#include <windows.h>

#include "app/tray_icon.h"
#include "platform/handles.h"
#include "platform/window.h"

namespace lg::win {

inline constexpr wchar_t kMainFormClass[] = L"TVEY_Lumigrab_MainForm";
inline constexpr wchar_t kMainFormCaption[] = L"VEY_Lumigrab_MainForm";
inline constexpr wchar_t kShowSettingsMessage[] = L"VEY_LUMIGRAB_SHOWSETTINGS";

class TVEY_Lumigrab_MainForm : public Window {
public:
    // `installRequest`: the command line asked for the welcome window.
    explicit TVEY_Lumigrab_MainForm(bool installRequest);
    ~TVEY_Lumigrab_MainForm() override;

    // Creates the window and runs FormCreate.
    bool CreateForm();
    // Ends the program once the message being handled is done: the window
    // goes and the message loop ends.
    void EndProgram();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    bool OnCommand(WORD id, WORD code, HWND control) override;
    bool OnTimer(UINT_PTR id) override;
    bool OnClose() override;
    void OnDestroyed() override;

private:
    struct MenuItem;
    static const MenuItem kPopupMenu1[];

    void FormCreate();
    void FormDestroy();
    void TrayIcon1Click();
    void ShowPopupMenu1();
    void N1Click();
    void N2Click();
    void N3Click();
    void N4Click();
    // An item of the delay submenu ("Снимок с задержкой").
    void DelayClick(int seconds);
    void N5Click();
    void N6Click();
    void N9Click();
    void N10Click();
    // "Повторить последнюю область".
    void N12Click();
    void Timer1Timer();
    void Timer_checkUpdateTimer();

    bool installRequest_;
    bool formDestroyed_ = false;
    UINT SHOW_SETTINGS_MESSAGE = 0;
    UINT taskbarCreatedMessage_ = 0;
    UniqueIcon trayIcon_;
    TrayIcon TrayIcon1;
    UniqueMenu PopupMenu1;
};

}  // namespace lg::win
