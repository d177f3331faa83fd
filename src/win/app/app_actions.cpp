#include "app/app_actions.h"

#include "app/application.h"
#include "app/countdown_window.h"
#include "app/endpoints.h"
#include "app/hot_key_service.h"
#include "capture/set_region_form.h"
#include "info/info_services.h"
#include "net/open_page.h"
#include "net/server_address.h"
#include "output/bhint_form.h"
#include "platform/program_version.h"
#include "platform/trace.h"
#include "platform/win32_registry_store.h"
#include "settings/folder_writable.h"
#include "settings/hot_key_refusal.h"
#include "settings/select_dir_form.h"
#include "settings/setting_form.h"
#include "settings/startup_settings.h"
#include "update/background_get.h"
#include "update/fetch_outcome_of.h"
#include "update/update_checker.h"

#include <memory>

// Every command is traced, so the shell's wiring can be followed from
// outside. The information windows' commands are in info_actions.cpp.
namespace lg::win {

void RequestCapture(int typeSelect) {
    wchar_t text[48];
    wsprintfW(text, L"capture requested, kind %d", typeSelect);
    Trace(text);
    Application* app = App();
    if (app && app->Countdown()) app->Countdown()->Cancel();
    if (app && app->Quitting()) {
        Trace(L"capture refused: the program is ending");
        return;
    }
    if (app && app->SetRegionForm()) app->SetRegionForm()->StartSelectRegion(typeSelect);
}

void RequestDelayedCapture(int seconds) {
    Application* app = App();
    if (!app || !app->Countdown()) return;
    if (app->Quitting()) {
        Trace(L"delayed capture refused: the program is ending");
        return;
    }
    app->Countdown()->Start(seconds);
}

void RequestExit() {
    if (Application* app = App()) app->RequestExit();
}

namespace {

// The one settings window; a closed one is kept hidden until the next
// request makes a fresh one (it cannot delete itself inside its click).
std::unique_ptr<TSettingForm> g_settingForm;

SettingFormServices SettingServices() {
    SettingFormServices s;
    s.apply = [](const TLGSettings& current, const TLGSettings& edited) {
        return App()->ApplySettings(current, edited);
    };
    s.notify = [](const std::u16string& text) {
        Trace(L"settings: hotkeys refused on save");
        ShowBHint(text);
    };
    s.chooseFolder = [](HWND owner, const std::wstring& initial) {
        TSelectDirForm picker;
        return picker.ShowModal(owner, initial) == 1 ? picker.Path() : std::wstring();
    };
    s.folderWritable = [](const std::wstring& folder) { return FolderIsWritable(folder); };
    s.autostartRegistered = [] { return IsAutostartRegistered(); };
    s.refusedHotKey = [](CaptureKind kind) -> TShortCut {
        Application* app = App();
        return app && app->HotKeys() ? app->HotKeys()->RefusedHotKey(kind) : 0;
    };
    s.printScreenForSnipping = [] { return PrintScreenKeyForSnipping(Win32RegistryStore()); };
    return s;
}

// While the window lives, a registered combination typed into one of its
// editors is the user choosing it, not a capture.
void TellCaptureAboutEditors(TSettingForm* form) {
    Application* app = App();
    if (!app || !app->SetRegionForm()) return;
    if (!form) {
        app->SetRegionForm()->SetHotKeyEditors({});
        return;
    }
    const HWND editors[] = {form->hkAllScreen.hwnd(), form->hkAreaScreen.hwnd(),
                            form->hkWinScreen.hwnd(), form->hkLastArea.hwnd()};
    app->SetRegionForm()->SetHotKeyEditors(editors);
}

}  // namespace

void OpenSettingsWindow(HWND) {
    Trace(L"settings window requested");
    if (g_settingForm && g_settingForm->hwnd() && IsWindowVisible(g_settingForm->hwnd())) {
        // One at a time: the open one comes to the front.
        ShowWindow(g_settingForm->hwnd(), SW_RESTORE);
        SetForegroundWindow(g_settingForm->hwnd());
        return;
    }
    g_settingForm.reset();
    auto form = std::make_unique<TSettingForm>(SettingServices());
    form->OnClosed = [](int result) {
        TellCaptureAboutEditors(nullptr);
        Trace(result == 1 ? L"settings saved" : L"settings closed");
    };
    POINT cursor{};
    GetCursorPos(&cursor);
    if (!form->CreateForm(cursor)) {
        Trace(L"settings window failed");
        return;
    }
    g_settingForm = std::move(form);
    TellCaptureAboutEditors(g_settingForm.get());
    Trace(L"settings window shown");
}

void CloseSettingsWindow() {
    TellCaptureAboutEditors(nullptr);
    g_settingForm.reset();
}

namespace {

// Each step of the list's request (resolve, connect, send, each read) waits
// at most this long, off the GUI thread.
constexpr DWORD kUpdateTimeoutMs = 15000;
// An update list is one short line; a longer reply is no list of ours.
constexpr std::size_t kUpdateListMaxBytes = 64 * 1024;

UpdateChecker& Checker() {
    static Win32RegistryStore store;
    static BackgroundGet fetcher;
    static UpdateChecker checker(UpdateCheckServices{
        .store = &store,
        .today = [] { return Today(); },
        .programVersion = [] { return GetProgramVersion(true); },
        .fetch =
            [](std::function<void(FetchOutcome)> done) {
                return fetcher.Start(ServerPageAddress(endpoint::kUpdates), kUpdateTimeoutMs,
                                     kUpdateListMaxBytes,
                                     [done = std::move(done)](HttpGetResult result) {
                                         done(FetchOutcomeOf(result));
                                     });
            },
        .showNotice = [](HWND owner) { return ShowNewVersionNotice(owner); },
        .openPage = [](std::string_view path) { OpenPage(path); },
        .notify = [](std::u16string_view text) { ShowBHint(text); },
    });
    return checker;
}

}  // namespace

void CheckForUpdate(HWND owner, UpdateTrigger trigger) {
    Trace(trigger == UpdateTrigger::Asked ? L"update check asked for" : L"update check");
    if (NewVersionNoticeExists()) return;
    Checker().Check(owner, trigger);
}

}  // namespace lg::win
