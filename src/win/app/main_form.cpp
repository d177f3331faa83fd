#include "app/main_form.h"

#include <string>

#include "app/app_actions.h"
#include "app/capture_countdown.h"
#include "app/endpoints.h"
#include "app/icon_handle.h"
#include "app/mouse_chord_hook.h"
#include "capture/last_area.h"
#include "net/open_page.h"
#include "platform/trace.h"
#include "platform/u16.h"

namespace lg::win {
namespace {

constexpr UINT kTrayCallback = WM_APP + 1;
constexpr UINT kEndProgram = WM_APP + 2;
constexpr UINT kTrayIconId = 1;
constexpr UINT_PTR kTimer1 = 1;
constexpr UINT kTimer1Interval = 1000;
constexpr UINT_PTR kTimerCheckUpdate = 2;
constexpr UINT kTimerCheckUpdateInterval = 3600000;  // one hour
constexpr UINT_PTR kTimerTrayRetry = 3;
// "Повторить последнюю область" waits for its menu to vanish with the
// message loop running, so every window behind the menu repaints first.
constexpr UINT_PTR kTimerRepeatArea = 4;
constexpr UINT kTimerRepeatAreaInterval = 500;

// Menu command identifiers, named after the items.
enum MenuId : UINT { kN1 = 101, kN2, kN3, kN4, kN5, kN6, kN7, kN8, kN9, kN10, kN11, kN12 };
// The delay submenu's items, one after another in the order of
// CaptureDelays().
constexpr UINT kDelayFirst = 201;

}  // namespace

// The tray menu, built and dispatched from this one table, in display
// order. Hidden items keep their commands but are not shown; separators
// have no caption; the one item with a caption and no handler opens the
// submenu of delays.
struct TVEY_Lumigrab_MainForm::MenuItem {
    MenuId id;
    const wchar_t* caption;
    bool visible;
    void (TVEY_Lumigrab_MainForm::*click)();
};

const TVEY_Lumigrab_MainForm::MenuItem TVEY_Lumigrab_MainForm::kPopupMenu1[] = {
    {kN4, L"Сделать скриншот", true, &TVEY_Lumigrab_MainForm::N4Click},
    {kN11, L"Снимок с задержкой", true, nullptr},
    {kN12, L"Повторить последнюю область", true, &TVEY_Lumigrab_MainForm::N12Click},
    {kN3, L"Записать видео", true, &TVEY_Lumigrab_MainForm::N3Click},
    {kN7, nullptr, true, nullptr},
    {kN5, L"Техподдержка", false, &TVEY_Lumigrab_MainForm::N5Click},
    {kN2, L"Настройки", true, &TVEY_Lumigrab_MainForm::N2Click},
    {kN9, L"Оставить отзыв", true, &TVEY_Lumigrab_MainForm::N9Click},
    // Shown: a user can ask for the check and is told what it found.
    {kN10, L"Проверить обновление", true, &TVEY_Lumigrab_MainForm::N10Click},
    {kN6, L"О программе", true, &TVEY_Lumigrab_MainForm::N6Click},
    {kN8, nullptr, true, nullptr},
    {kN1, L"Выход", true, &TVEY_Lumigrab_MainForm::N1Click},
};

TVEY_Lumigrab_MainForm::TVEY_Lumigrab_MainForm(bool installRequest)
    : installRequest_(installRequest), TrayIcon1(kTrayIconId, kTrayCallback, kTimerTrayRetry) {}

TVEY_Lumigrab_MainForm::~TVEY_Lumigrab_MainForm() {
    if (hwnd() && !formDestroyed_) FormDestroy();
}

bool TVEY_Lumigrab_MainForm::CreateForm() {
    if (!RegisterClassOnce(kMainFormClass)) return false;
    // Design size 450 × 140; the window is never shown.
    if (!Create({.className = kMainFormClass,
                 .title = kMainFormCaption,
                 .style = WS_OVERLAPPEDWINDOW,
                 .width = 450,
                 .height = 140}))
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
        if (!item.caption) {
            AppendMenuW(PopupMenu1.get(), MF_SEPARATOR, item.id, nullptr);
        } else if (!item.click) {
            // Owned by the menu from here on, destroyed with it.
            HMENU delays = CreatePopupMenu();
            UINT id = kDelayFirst;
            for (const CaptureDelay& delay : CaptureDelays()) {
                AppendMenuW(delays, MF_STRING, id++, ToWide(delay.caption).c_str());
            }
            AppendMenuW(PopupMenu1.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(delays),
                        item.caption);
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

bool TVEY_Lumigrab_MainForm::OnCommand(WORD id, WORD, HWND control) {
    if (control) return false;
    const auto delays = CaptureDelays();
    if (id >= kDelayFirst && id < kDelayFirst + delays.size()) {
        DelayClick(delays[id - kDelayFirst].seconds);
        return true;
    }
    for (const MenuItem& item : kPopupMenu1) {
        if (item.id == id && item.click) {
            (this->*item.click)();
            return true;
        }
    }
    return false;
}

bool TVEY_Lumigrab_MainForm::OnTimer(UINT_PTR id) {
    if (id == kTimer1) {
        Timer1Timer();
        return true;
    }
    if (id == kTimerCheckUpdate) {
        Timer_checkUpdateTimer();
        return true;
    }
    if (id == kTimerRepeatArea) {
        KillTimer(hwnd(), kTimerRepeatArea);
        RequestCapture(kTypeSelectLastArea);
        return true;
    }
    return TrayIcon1.OnTimer(id);
}

bool TVEY_Lumigrab_MainForm::OnClose() {
    // Closing the hidden window is the same as "Выход".
    N1Click();
    return true;
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
        case kEndProgram:
            DestroyWindow(hwnd());
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

void TVEY_Lumigrab_MainForm::EndProgram() {
    Trace(L"program ending");
    PostMessageW(hwnd(), kEndProgram, 0, 0);
}

void TVEY_Lumigrab_MainForm::N1Click() {
    Trace(L"exit requested");
    RequestExit();
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

void TVEY_Lumigrab_MainForm::N12Click() {
    SetTimer(hwnd(), kTimerRepeatArea, kTimerRepeatAreaInterval, nullptr);
}

void TVEY_Lumigrab_MainForm::DelayClick(int seconds) {
    RequestDelayedCapture(seconds);
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
    CheckForUpdate(hwnd(), UpdateTrigger::Asked);
}

void TVEY_Lumigrab_MainForm::Timer1Timer() {
    KillTimer(hwnd(), kTimer1);
    if (installRequest_) {
        Trace(L"start-up timer: installer start");
        if (ShowWelcomeWindow(hwnd())) RequestCapture(0);
    } else {
        Trace(L"start-up timer: ordinary start");
    }
    CheckForUpdate(hwnd(), UpdateTrigger::Automatic);
}

void TVEY_Lumigrab_MainForm::Timer_checkUpdateTimer() {
    CheckForUpdate(hwnd(), UpdateTrigger::Automatic);
}

}  // namespace lg::win
