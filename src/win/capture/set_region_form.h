// The capture window: one long-lived, borderless, topmost window over the
// whole virtual screen showing the frozen screen, the selection and the
// annotations. Its behaviour lives in CaptureEditor; this class owns the
// window side of it: the screen copy, showing and hiding, the panels, the
// cursor and the keyboard. The panels reach it as their CaptureSession.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "capture/capture_editor.h"
#include "capture/capture_session.h"
#include "controls/img_view_control.h"
#include "platform/window.h"
#include "settings/apply_settings.h"
#include "settings/shortcut.h"
#include "sound/shutter_sound.h"
#include "tools/text_edit_tool_layer.h"

namespace lg::win {

class TSetRegionForm : public Window, public CaptureSession, private CaptureHost {
public:
    TSetRegionForm();
    ~TSetRegionForm() override;

    // Creates the window.
    bool CreateForm();
    // The long-lived panels, created after this window and owned by it.
    void SetPanels(CaptureOutputPanel* panelSave, CaptureToolPalette* panelTools);
    // The application's hotkey registration, which RegHotKey hands over to.
    void SetHotKeyRegistrar(HotKeyRegistrar* registrar) { hotKeys_ = registrar; }
    // Shows the editor's notices to the user (the application's
    // notification window); without it they go unsaid.
    std::function<void(std::u16string_view text)> OnNotice;

    // Starts a capture: 0 an area, 1 the foreground window, 2 the whole
    // virtual screen, 3 the last area again (kTypeSelectLastArea). Does
    // nothing while a capture is open or while one of the hotkey editors
    // has the keyboard focus.
    void StartSelectRegion(int typeSelect);

    // Replaces the system registration of the hotkey `tp` by `hk` through
    // the application's registrar; true when the system accepted it (see
    // HotKeyRegistrar::Register). False without a registrar.
    bool RegHotKey(TTypeHotKey tp, TShortCut hk);

    // The settings window's hotkey editors, for as long as they exist (an
    // empty list when it closes): pressing a registered combination while
    // one of them has the focus is the user typing it, not a capture.
    void SetHotKeyEditors(std::span<const HWND> editors);

    // The program became the active application: the output panel of an
    // open editor comes to the front.
    void ApplicationEvents1Activate();
    // Another application became active: an open capture stays in front.
    void ApplicationEvents1Deactivate();
    // CaptureSession
    HWND CaptureWindow() const override { return hwnd(); }
    bool GetBitmap(TBitmap32& b) override;
    CaptureEditor& Editor() override { return editor_; }
    TRect RectWork() const override { return editor_.RectWork(); }

    // Sees every message the program's own loop takes from the queue
    // before it is dispatched: the text tool's navigation keys go to the
    // text layer instead of any window. True when the message is used.
    bool ApplicationEvents1Message(const MSG& msg);

    // Also used by the panels around their dialogs.
    void ShowEditorPanels() override;
    void HidePanels() override;
    void UpdatePositionPanels() override;
    void FocusWindow() override;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    bool OnTimer(UINT_PTR id) override;
    bool OnClose() override;

private:
    // The capture itself; throws when the memory for it cannot be had.
    void OpenCapture(int typeSelect);
    // The window tree for snapping, read once the first frame is painted.
    void ReadSnapWindowsNow();
    // The scale of the monitor a screen rectangle lies on.
    DisplayScale ScaleOnScreen(const TRect& screen) const;
    // An area capture (a repeat included) gave a picture: its selection,
    // on the screen, is the last area from now on.
    void RememberArea();

    // CaptureHost
    void SelectArrowTool() override;
    void UploadPicture() override;
    void CopyPicture() override;
    void HideWindow() override;
    void UndoRedoStateChanged(bool availUndo, bool availRedo) override;
    DisplayScale ScaleOf(const TRect& r) const override;
    void ToolCreated(TBaseToolLayer& tool) override;
    void ShowNotice(std::u16string_view text) override;

    // The current tool's layer when it is the text tool.
    TTextEditToolLayer* TextLayer() const;
    // A window of this capture: the window itself, its view, the panels
    // and pickers it owns.
    bool IsCaptureWindow(HWND wnd) const;
    bool HotKeyEditorHasFocus() const;
    FloatingPanel* OutputPanel() const { return panelSave_ ? &panelSave_->Panel() : nullptr; }
    FloatingPanel* Palette() const { return panelTools_ ? &panelTools_->Panel() : nullptr; }
    // The capture window and its panels above every other topmost window.
    void RaiseWithPanels();
    // Puts back above this window any showing panel stacked below it.
    void KeepPanelsAbove();
    // Each showing panel brought to the top of the stacking.
    void ShowPanelsAbove();

    CaptureEditor editor_;
    ShutterSound BassPlayer;
    ImgViewControl imgView1;
    HCURSOR cur1_ = nullptr;
    std::vector<MonitorDpi> monitors_;  // of the open capture
    CaptureOutputPanel* panelSave_ = nullptr;
    CaptureToolPalette* panelTools_ = nullptr;
    HotKeyRegistrar* hotKeys_ = nullptr;
    std::vector<HWND> hotKeyEditors_;
    int panelGuardTicks_ = 0;
    // An area capture waits for its first frame to read the window tree.
    bool snapPending_ = false;
    // The last area, in virtual-screen coordinates, for this session; and
    // whether the open capture is one whose picture replaces it.
    std::optional<TRect> lastArea_;
    bool areaCapture_ = false;
};

}  // namespace lg::win
