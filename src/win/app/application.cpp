#include "app/application.h"

#include <windows.h>

#include "app/after_output_feedback.h"
#include "app/app_actions.h"
#include "app/main_form.h"
#include "capture/set_region_form.h"
#include "info/form_offer_kvr.h"
#include "output/bhint_form.h"
#include "output/load_form.h"
#include "output/panel_save.h"
#include "raster/text_rasterizer.h"
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
    loadForm_.reset();
    bhintForm_.reset();
    offerForm_.reset();
    panelTools_.reset();
    panelSave_.reset();
    setRegionForm_.reset();
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
    panelSave_ = std::make_unique<TPanelSave>();
    panelSave_->CreateForm(*setRegionForm_);
    panelTools_ = std::make_unique<TPanelTools>();
    panelTools_->CreateForm(*setRegionForm_);
    setRegionForm_->SetPanels(panelSave_.get(), panelTools_.get());
    offerForm_ = std::make_unique<TFormOfferKVR>(DefaultInfoServices());
    offerForm_->CreateForm();
    bhintForm_ = std::make_unique<TBHintForm>();
    bhintForm_->CreateForm(mainForm_->hwnd());
    loadForm_ = std::make_unique<TLoadForm>();
    loadForm_->CreateForm(mainForm_->hwnd());
    return true;
}

}  // namespace lg::win
