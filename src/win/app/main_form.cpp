#include "app/main_form.h"

#include <string>

#include "app/app_actions.h"
#include "app/endpoints.h"
#include "app/icon_handle.h"
#include "app/mouse_chord_hook.h"
#include "app/server_address.h"
#include "platform/trace.h"

namespace lg::win {
namespace {

constexpr UINT kTrayCallback = WM_APP + 1;
constexpr UINT kTrayIconId = 1;
constexpr UINT_PTR kTimer1 = 1;
constexpr UINT kTimer1Interval = 1000;
constexpr UINT_PTR kTimerCheckUpdate = 2;
constexpr UINT kTimerCheckUpdateInterval = 3600000;  // one hour
constexpr UINT_PTR kTimerTrayRetry = 3;

// Menu command identifiers, named after the items.
enum MenuId : UINT { kN1 = 101, kN2, kN3, kN4, kN5, kN6, kN7, kN8, kN9, kN10 };

struct MenuItem {
    MenuId id;
    const wchar_t* caption;  // "-" is a separator
    bool visible;
};

// Display order. Hidden items keep their commands but are not shown.
constexpr MenuItem kPopupMenu1[] = {
    {kN4, L"Сделать скриншот", true},
    {kN3, L"Записать видео", true},
    {kN7, L"-", true},
    {kN5, L"Техподдержка", false},
    {kN2, L"Настройки", true},
    {kN9, L"Оставить отзыв", true},
    {kN10, L"Проверить обновление", false},
    {kN6, L"О программе", true},
    {kN8, L"-", true},
    {kN1, L"Выход", true},
};

void OpenPage(std::string_view path) {
    std::wstring url = ServerPageAddress(path);
    ShellExecuteW(nullptr, L"open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace

TVEY_Lumigrab_MainForm::TVEY_Lumigrab_MainForm(bool installRequest)
    : installRequest_(installRequest), TrayIcon1(kTrayIconId, kTrayCallback, kTimerTrayRetry) {}

TVEY_Lumigrab_MainForm::~TVEY_Lumigrab_MainForm() {
    if (hwnd() && !formDestroyed_) FormDestroy();
}

bool TVEY_Lumigrab_MainForm::CreateForm() {
    if (!RegisterClassOnce(kMainFormClass)) return false;
    // Design size 450 × 140; the window is never shown.
    if (!Create(kMainFormClass, kMainFormCaption, WS_OVERLAPPEDWINDOW, 0, CW_USEDEFAULT,
                CW_USEDEFAULT, 450, 140, nullptr))
        return false;
    FormCreate();
    return true;
}

void TVEY_Lumigrab_MainForm::FormCreate() {
    InstallMouseChordHook();
    SetTimer(hwnd(), kTimer1, kTimer1Interval, nullptr);
    SetTimer(hwnd(), kTimerCheckUpdate, kTimerCheckUpdateInterval, nullptr);
    SHOW_SETTINGS_MESSAGE = RegisterWindowMessageW(kShowSettingsMessage);
    taskbarCreatedMessage_ = RegisterWindowMessageW(L"TaskbarCreated");

    PopupMenu1.reset(CreatePopupMenu());
    for (const MenuItem& item : kPopupMenu1) {
        if (!item.visible) continue;
        if (item.caption[0] == L'-' && item.caption[1] == 0) {
            AppendMenuW(PopupMenu1.get(), MF_SEPARATOR, item.id, nullptr);
        } else {
            AppendMenuW(PopupMenu1.get(), MF_STRING, item.id, item.caption);
        }
    }
    int size = GetSystemMetrics(SM_CXSMICON);
    if (size <= 0) size = 16;
    trayIcon_ = CreateAppIcon(size);
    TrayIcon1.SetOwner(hwnd(), trayIcon_.get(), L"ЛюмиГРАБ");
    // A stale icon of an earlier, killed copy would sit beside ours.
    TrayIcon1.Remove();
    TrayIcon1.Add();
    Trace(L"main window created");
}

void TVEY_Lumigrab_MainForm::FormDestroy() {
    formDestroyed_ = true;
    TrayIcon1.Remove();
    RemoveMouseChordHook();
}

void TVEY_Lumigrab_MainForm::OnDestroyed() {
    if (!formDestroyed_) FormDestroy();
}

LRESULT TVEY_Lumigrab_MainForm::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == SHOW_SETTINGS_MESSAGE && SHOW_SETTINGS_MESSAGE != 0) {
        Trace(L"settings request from a second start");
        N2Click();
        // Then on to the default processing, like every message.
    } else if (msg == taskbarCreatedMessage_ && taskbarCreatedMessage_ != 0) {
        // The shell restarted, or started after us: its notification area
        // does not know the icon.
        TrayIcon1.Add();
    }
    switch (msg) {
        case kTrayCallback:
            switch (LOWORD(lp)) {
                case WM_LBUTTONUP:
                    TrayIcon1Click();
                    return 0;
                case WM_RBUTTONUP:
                case WM_CONTEXTMENU:
                    ShowPopupMenu1();
                    return 0;
            }
            return 0;
        case WM_COMMAND:
            switch (LOWORD(wp)) {
                case kN1:
                    N1Click();
                    return 0;
                case kN2:
                    N2Click();
                    return 0;
                case kN3:
                    N3Click();
                    return 0;
                case kN4:
                    N4Click();
                    return 0;
                case kN5:
                    N5Click();
                    return 0;
                case kN6:
                    N6Click();
                    return 0;
                case kN9:
                    N9Click();
                    return 0;
                case kN10:
                    N10Click();
                    return 0;
            }
            break;
        case WM_TIMER:
            if (wp == kTimer1) {
                Timer1Timer();
                return 0;
            }
            if (wp == kTimerCheckUpdate) {
                Timer_checkUpdateTimer();
                return 0;
            }
            if (TrayIcon1.OnTimer(wp)) return 0;
            break;
        case WM_CLOSE:
            // Closing the hidden window is the same as "Выход".
            N1Click();
            return 0;
        case WM_DESTROY:
            FormDestroy();
            PostQuitMessage(0);
            return 0;
    }
    return Window::HandleMessage(msg, wp, lp);
}

void TVEY_Lumigrab_MainForm::ShowPopupMenu1() {
    POINT pt{};
    GetCursorPos(&pt);
    // Without the foreground the menu would not close on a click elsewhere.
    SetForegroundWindow(hwnd());
    TrackPopupMenu(PopupMenu1.get(), TPM_RIGHTBUTTON | TPM_BOTTOMALIGN, pt.x, pt.y, 0, hwnd(),
                   nullptr);
    PostMessageW(hwnd(), WM_NULL, 0, 0);
}

void TVEY_Lumigrab_MainForm::TrayIcon1Click() {
    RequestCapture(0);
}

void TVEY_Lumigrab_MainForm::N1Click() {
    Trace(L"exit requested");
    DestroyWindow(hwnd());
}

void TVEY_Lumigrab_MainForm::N2Click() {
    OpenSettingsWindow(hwnd());
}

void TVEY_Lumigrab_MainForm::N3Click() {
    ShowOfferWindow();
}

void TVEY_Lumigrab_MainForm::N4Click() {
    // Lets the menu vanish from the screen before it is frozen.
    Sleep(500);
    RequestCapture(0);
}

void TVEY_Lumigrab_MainForm::N5Click() {
    OpenPage(endpoint::kSupport);
}

void TVEY_Lumigrab_MainForm::N6Click() {
    OpenAboutWindow(hwnd());
}

void TVEY_Lumigrab_MainForm::N9Click() {
    OpenPage(endpoint::kSurvey);
}

void TVEY_Lumigrab_MainForm::N10Click() {
    CheckForUpdate(hwnd());
}

void TVEY_Lumigrab_MainForm::Timer1Timer() {
    KillTimer(hwnd(), kTimer1);
    if (installRequest_) {
        Trace(L"start-up timer: installer start");
        if (ShowWelcomeWindow(hwnd())) RequestCapture(0);
    } else {
        Trace(L"start-up timer: ordinary start");
    }
    CheckForUpdate(hwnd());
}

void TVEY_Lumigrab_MainForm::Timer_checkUpdateTimer() {
    CheckForUpdate(hwnd());
}

}  // namespace lg::win
