// The information windows behind the tray's commands, the update check and
// the feedback step: each made here, one at a time, and traced.
#include <memory>

#include "app/app_actions.h"
#include "app/application.h"
#include "info/about_form.h"
#include "info/form_offer_kvr.h"
#include "info/form_survey.h"
#include "info/new_version_form.h"
#include "info/welcom_form.h"
#include "platform/trace.h"

namespace lg::win {
namespace {

// A closed about or rating window is kept hidden until the next request
// makes a fresh one (it cannot delete itself inside its own click).
std::unique_ptr<TAboutForm> g_aboutForm;
std::unique_ptr<TFormSurvey> g_formSurvey;
// The notice while its modal loop runs.
TNewVersionForm* g_newVersionForm = nullptr;

}  // namespace

void OpenAboutWindow(HWND) {
    Trace(L"about window requested");
    if (g_aboutForm && g_aboutForm->Showing()) {
        ShowWindow(g_aboutForm->hwnd(), SW_RESTORE);
        SetForegroundWindow(g_aboutForm->hwnd());
        return;
    }
    g_aboutForm.reset();
    auto form = std::make_unique<TAboutForm>(DefaultInfoServices());
    if (!form->CreateForm()) {
        Trace(L"about window failed");
        return;
    }
    form->OnClosed = [] { Trace(L"about window closed"); };
    form->Show();
    g_aboutForm = std::move(form);
    Trace(L"about window shown");
}

void ShowOfferWindow() {
    Trace(L"offer window requested");
    Application* app = App();
    TFormOfferKVR* offer = app ? app->OfferForm() : nullptr;
    if (!offer || offer->Showing()) return;
    offer->Show();
    Trace(L"offer window shown");
}

bool ShowWelcomeWindow(HWND owner) {
    Trace(L"welcome window requested");
    TWelcomForm form(DefaultInfoServices());
    if (!form.CreateForm()) {
        Trace(L"welcome window failed");
        return false;
    }
    Trace(L"welcome window shown");
    const int result = form.ShowModal(owner);
    Trace(result == kResultAction ? L"welcome window: capture" : L"welcome window closed");
    return result == kResultAction;
}

int ShowNewVersionNotice(HWND owner) {
    if (g_newVersionForm) return kResultClosed;
    TNewVersionForm form;
    if (!form.CreateForm()) {
        Trace(L"new version window failed");
        return kResultClosed;
    }
    g_newVersionForm = &form;
    Trace(L"new version window shown");
    const int result = form.ShowModal(owner);
    g_newVersionForm = nullptr;
    Trace(result == kResultAction ? L"new version window: update" : L"new version window closed");
    return result;
}

bool NewVersionNoticeExists() {
    return g_newVersionForm != nullptr;
}

void ShowSurveyWindow() {
    if (SurveyWindowExists()) return;
    g_formSurvey.reset();
    auto form = std::make_unique<TFormSurvey>(DefaultInfoServices());
    if (!form->CreateForm()) {
        Trace(L"survey window failed");
        return;
    }
    form->OnClosed = [] { Trace(L"survey window closed"); };
    form->Show();
    g_formSurvey = std::move(form);
    Trace(L"survey window shown");
}

bool SurveyWindowExists() {
    return g_formSurvey && g_formSurvey->Showing();
}

void CloseInfoWindows() {
    g_aboutForm.reset();
    g_formSurvey.reset();
}

}  // namespace lg::win
