#include "app/app_actions.h"

#include "app/application.h"
#include "capture/set_region_form.h"
#include "platform/trace.h"

// The settings and information windows join the program one by one; until
// a window exists its command is only traced, so the shell's wiring can be
// followed from outside.
namespace lg::win {

void RequestCapture(int typeSelect) {
    wchar_t text[48];
    wsprintfW(text, L"capture requested, kind %d", typeSelect);
    Trace(text);
    if (Application* app = App(); app && app->SetRegionForm()) {
        app->SetRegionForm()->StartSelectRegion(typeSelect);
    }
}

void OpenSettingsWindow(HWND) {
    Trace(L"settings window requested");
}

void OpenAboutWindow(HWND) {
    Trace(L"about window requested");
}

void ShowOfferWindow() {
    Trace(L"offer window requested");
}

void CheckForUpdate(HWND) {
    Trace(L"update check");
}

bool ShowWelcomeWindow(HWND) {
    Trace(L"welcome window requested");
    return false;
}

}  // namespace lg::win
