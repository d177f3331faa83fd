#include "app/application.h"

#include <windows.h>

#include "app/after_output_feedback.h"
#include "app/app_actions.h"
#include "app/countdown_window.h"
#include "app/hot_key_service.h"
#include "app/main_form.h"
#include "capture/set_region_form.h"
#include "info/form_offer_kvr.h"
#include "output/bhint_form.h"
#include "output/load_form.h"
#include "output/panel_save.h"
#include "output/send_screen.h"
#include "platform/module_path.h"
#include "platform/u16.h"
#include "platform/win32_registry_store.h"
#include "raster/text_rasterizer.h"
#include "settings/settings.h"
#include "tools/panel_tools.h"
#include "tools/tick_source.h"

namespace lg::win {
namespace {

Application* g_app = nullptr;

}  // namespace

Application* App() {
    return g_app;
}

Application::Application(bool installRequest) : installRequest_(installRequest) {
    g_app = this;
    SetDefaultTextRasterizer(&text_);
    SetDefaultTickSource([] { return static_cast<std::uint32_t>(GetTickCount()); });
}

Application::~Application() {
    CloseSettingsWindow();
    CloseInfoWindows();
    countdown_.reset();
    loadForm_.reset();
    bhintForm_.reset();
    offerForm_.reset();
    panelTools_.reset();
    panelSave_.reset();
    setRegionForm_.reset();
    // Whatever upload is left (the wait was over, or a second "Выход") is
    // cancelled.
    if (uploadWorker_) uploadWorker_->Stop();
    uploadWorker_.reset();
    hotKeys_.reset();
    mainForm_.reset();
    SetDefaultTickSource(nullptr);
    SetDefaultTextRasterizer(nullptr);
    g_app = nullptr;
}

bool Application::CreateForms() {
    // Whether the rating is done is settled once, at start-up.
    InitFeedback();
    mainForm_ = std::make_unique<TVEY_Lumigrab_MainForm>(installRequest_);
    if (!mainForm_->CreateForm()) return false;
    setRegionForm_ = std::make_unique<TSetRegionForm>();
    setRegionForm_->CreateForm();
    setRegionForm_->OnNotice = [](std::u16string_view text) { ShowBHint(text); };
    // The hotkeys start captures from now on; a refused combination is not
    // reported at start-up.
    hotKeys_ = std::make_unique<HotKeyService>();
    // Through the one request every capture takes, which also stops a
    // countdown; a program waiting to end takes no new picture there.
    hotKeys_->OnCaptureRequested = [](CaptureKind kind) { RequestCapture(TypeSelectOf(kind)); };
    setRegionForm_->SetHotKeyRegistrar(hotKeys_.get());
    hotKeys_->RegisterAll(LGSettings());
    uploadWorker_ = std::make_unique<TThreadSendScreen>();
    panelSave_ = std::make_unique<TPanelSave>();
    panelSave_->CreateForm(*setRegionForm_, uploadWorker_.get());
    panelSave_->OnEndProgram = [this] { mainForm_->EndProgram(); };
    panelTools_ = std::make_unique<TPanelTools>();
    panelTools_->CreateForm(*setRegionForm_);
    setRegionForm_->SetPanels(panelSave_.get(), panelTools_.get());
    offerForm_ = std::make_unique<TFormOfferKVR>(DefaultInfoServices());
    offerForm_->CreateForm();
    bhintForm_ = std::make_unique<TBHintForm>();
    bhintForm_->CreateForm(mainForm_->hwnd());
    loadForm_ = std::make_unique<TLoadForm>();
    loadForm_->CreateForm(mainForm_->hwnd());
    countdown_ = std::make_unique<CountdownWindow>();
    countdown_->CreateForm(mainForm_->hwnd());
    // At zero, an area capture exactly as a click on the tray icon asks.
    countdown_->OnCapture = [] { RequestCapture(0); };
    return true;
}

void Application::RequestExit() {
    if (!panelSave_) {
        mainForm_->EndProgram();
        return;
    }
    // The picture being edited goes with the program, as it always did;
    // only the uploads already made are waited for.
    if (!panelSave_->Quitting() && setRegionForm_->Editor().IsOpen()) {
        setRegionForm_->Editor().Close();
    }
    panelSave_->Quit();
}

bool Application::Quitting() const {
    return panelSave_ && panelSave_->Quitting();
}

SettingsApplied Application::ApplySettings(const TLGSettings& current, const TLGSettings& edited) {
    Win32RegistryStore store;
    SettingsApplied applied = lg::ApplySettings(current, edited, *hotKeys_, store,
                                                AsU16(ExeFileName()), AsU16(ExePath()));
    hotKeys_->Remember(applied.hotKeys);
    return applied;
}

}  // namespace lg::win
