// The application object: the long-lived windows, created once at start-up
// in their order and kept until exit, the services that outlive any one
// window (the capture hotkeys, the upload worker, applying the settings),
// and the platform services the core uses (text output, the tick count).
#pragma once

#include <memory>

#include "platform/gdi_text_rasterizer.h"
#include "settings/apply_settings.h"

namespace lg::win {

class TVEY_Lumigrab_MainForm;
class TSetRegionForm;
class TPanelSave;
class TPanelTools;
class TBHintForm;
class TFormOfferKVR;
class TLoadForm;
class HotKeyService;
class CountdownWindow;
class TThreadSendScreen;

class Application {
public:
    explicit Application(bool installRequest);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Creates the windows; false when the main window could not be made.
    bool CreateForms();

    // "Выход": an open capture closes, and the program ends now or, while
    // an upload is under way, once its link is on the clipboard (the
    // output panel's flow decides); asked again, at once.
    void RequestExit();
    // "Выход" was asked and the program waits to end: no new capture.
    bool Quitting() const;

    TSetRegionForm* SetRegionForm() const { return setRegionForm_.get(); }
    TFormOfferKVR* OfferForm() const { return offerForm_.get(); }
    HotKeyService* HotKeys() const { return hotKeys_.get(); }
    // The countdown of a delayed capture.
    CountdownWindow* Countdown() const { return countdown_.get(); }

    // The settings window's save: `edited` applied over the program's
    // `current` record (hotkeys registered anew, refused ones cleared, the
    // record stored) and what that gave. The caller makes the result the
    // record.
    SettingsApplied ApplySettings(const TLGSettings& current, const TLGSettings& edited);

private:
    GdiTextRasterizer text_;
    bool installRequest_;
    // Destroyed in reverse order: the progress window and the notification
    // first, the panels before the capture window that owns them and the
    // upload worker whose replies they take, the hotkeys, the main window
    // last.
    std::unique_ptr<TVEY_Lumigrab_MainForm> mainForm_;
    std::unique_ptr<HotKeyService> hotKeys_;
    std::unique_ptr<TThreadSendScreen> uploadWorker_;
    std::unique_ptr<TSetRegionForm> setRegionForm_;
    std::unique_ptr<TPanelSave> panelSave_;
    std::unique_ptr<TPanelTools> panelTools_;
    std::unique_ptr<TFormOfferKVR> offerForm_;
    std::unique_ptr<TBHintForm> bhintForm_;
    std::unique_ptr<TLoadForm> loadForm_;
    std::unique_ptr<CountdownWindow> countdown_;
};

// The running application, or null outside its lifetime.
Application* App();

}  // namespace lg::win
