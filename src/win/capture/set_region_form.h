// The capture window: one long-lived, borderless, topmost window over the
// whole virtual screen showing the frozen screen, the selection and the
// annotations. Its behaviour lives in CaptureEditor; this class owns the
// window side of it: the screen copy, showing and hiding, the panels, the
// cursor and the keyboard.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <span>
#include <vector>

#include "capture/capture_editor.h"
#include "capture/hotkey_window.h"
#include "controls/img_view_control.h"
#include "platform/window.h"
#include "settings/shortcut.h"
#include "sound/shutter_sound.h"
#include "tools/text_edit_tool_layer.h"

namespace lg::win {

class TPanelSave;
class TPanelTools;

class TSetRegionForm : public Window, private CaptureHost {
public:
    TSetRegionForm();
    ~TSetRegionForm() override;

    // Creates the window and registers the three capture hotkeys from the
    // settings; a refused combination leaves its kind without a hotkey.
    bool CreateForm();
    // The long-lived panels, created after this window and owned by it.
    void SetPanels(TPanelSave* panelSave, TPanelTools* panelTools);

    // Starts a capture: 0 an area, 1 the foreground window, 2 the whole
    // virtual screen. Does nothing while a capture is open or while one of
    // the hotkey editors has the keyboard focus.
    void StartSelectRegion(int typeSelect);

    // Replaces the system registration of the hotkey `tp` by `hk`; true when
    // the system accepted it. The old combination is released first, so a
    // refused one (held by another program or another of the three) leaves
    // the kind without a hotkey until the next successful call. Also called
    // by the settings window after the user changed the combinations.
    bool RegHotKey(TTypeHotKey tp, TShortCut hk);
    // The combination the last registration of `tp` tried and the system
    // refused; 0 when it was accepted or empty. The settings window tells
    // the user why.
    TShortCut RefusedHotKey(TTypeHotKey tp) const { return refused_[tp]; }

    // The settings window's hotkey editors, for as long as they exist (an
    // empty list when it closes): pressing a registered combination while
    // one of them has the focus is the user typing it, not a capture.
    void SetHotKeyEditors(std::span<const HWND> editors);

    // The program became the active application: the output panel of an
    // open editor comes to the front.
    void ApplicationEvents1Activate();
    // Another application became active: an open capture stays in front.
    void ApplicationEvents1Deactivate();
    // The selected area of the composed picture; false when there is none.
    bool GetBitmap(TBitmap32& b);

    CaptureEditor& Editor() { return editor_; }
    TRect RectWork() const { return editor_.RectWork(); }

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
    // The scale of the monitor a screen rectangle lies on.
    DisplayScale ScaleOnScreen(const TRect& screen) const;

    // CaptureHost
    void SelectArrowTool() override;
    void ClickUpload() override;
    void ClickCopy() override;
    void HideWindow() override;
    void UndoRedoStateChanged(bool availUndo, bool availRedo) override;
    DisplayScale ScaleOf(const TRect& r) const override;
    void ToolCreated(TBaseToolLayer& tool) override;

    // The current tool's layer when it is the text tool.
    TTextEditToolLayer* TextLayer() const;
    // A window of this capture: the window itself, its view, the panels
    // and pickers it owns.
    bool IsCaptureWindow(HWND wnd) const;
    bool HotKeyEditorHasFocus() const;
    void HotKeyPressed(int id);
    // The capture window and its panels above every other topmost window.
    void RaiseWithPanels();
    // Puts back above this window any showing panel stacked below it.
    void KeepPanelsAbove();

    CaptureEditor editor_;
    ShutterSound BassPlayer;
    ImgViewControl imgView1;
    HCURSOR cur1_ = nullptr;
    std::vector<MonitorDpi> monitors_;  // of the open capture
    TPanelSave* panelSave_ = nullptr;
    TPanelTools* panelTools_ = nullptr;

    // Made at the first registration and kept; it receives the hotkeys.
    std::unique_ptr<HotKeyWindow> FWndHandle;
    // The hotkeys' identifiers, indexed by TTypeHotKey: global atoms added at
    // their first registration and deliberately never deleted, so each
    // hotkey keeps one identifier for the life of the process.
    std::array<ATOM, 3> atoms_{};
    std::array<TShortCut, 3> refused_{};
    std::vector<HWND> hotKeyEditors_;
    int panelGuardTicks_ = 0;
};

}  // namespace lg::win
