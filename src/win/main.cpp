// Process start-up: settings, private fonts, single instance, the hidden
// main window and the message loop.
#include <windows.h>

#include <memory>
#include <vector>

#include "app/application.h"
#include "app/command_line.h"
#include "app/main_form.h"
#include "app/private_fonts.h"
#include "capture/set_region_form.h"
#include "controls/combo_list_window.h"
#include "settings/hot_key_edit.h"
#include "platform/handles.h"
#include "platform/u16.h"
#include "settings/startup_settings.h"

namespace {

constexpr wchar_t kSingleInstanceMutex[] = L"{6F2D7A48-D5FD-4E5B-A2FF-35160E4A0703}";

bool CommandLineAsksForInstall() {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv) return false;
    std::vector<std::u16string_view> args;
    for (int i = 1; i < argc; ++i) args.push_back(lg::win::AsU16(argv[i]));
    bool install = lg::IsInstallRequest(args);
    LocalFree(argv);
    return install;
}

// A second start hands the settings request to the running copy.
void NotifyRunningCopy() {
    HWND running = FindWindowW(lg::win::kMainFormClass, lg::win::kMainFormCaption);
    if (running) {
        UINT msg = RegisterWindowMessageW(lg::win::kShowSettingsMessage);
        PostMessageW(running, msg, 0, 0);
    }
}

int RunMessageLoop(lg::win::Application& app) {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (lg::win::ComboListWindow::PreTranslate(msg)) continue;
        if (lg::win::THotKey::PreTranslate(msg)) continue;
        lg::win::TSetRegionForm* form = app.SetRegionForm();
        if (form && form->ApplicationEvents1Message(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    // Module start-up, in every start, also one that turns out to be second.
    lg::win::LoadAllSettingsAtStartup();
    const std::wstring fontsFolder = lg::win::PrivateFontsFolder();
    lg::win::LoadPrivateFonts(fontsFolder, false);

    int exitCode = 0;
    // Held for the life of the process; its end releases it.
    lg::win::UniqueKernelHandle mutex(CreateMutexW(nullptr, TRUE, kSingleInstanceMutex));
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        NotifyRunningCopy();
    } else {
        auto app = std::make_unique<lg::win::Application>(CommandLineAsksForInstall());
        if (app->CreateForms()) exitCode = RunMessageLoop(*app);
        lg::win::LoadPrivateFonts(fontsFolder, true);
        app.reset();
        return exitCode;
    }
    lg::win::LoadPrivateFonts(fontsFolder, true);
    return exitCode;
}
