// THotKey: the read-only field of the settings window that takes a key
// combination (a TShortCut) from the keyboard and shows it as text.
//
// A small child window of its own rather than the platform's edit control:
// it never shows a caret or a selection and has nothing to type into, but
// takes the keyboard focus (a click or the parent's SetFocus) and every
// key, Tab and Enter included. Its look: the panel surface (9, 26, 50), no
// border, "Roboto" 11 pt at 96 DPI in (170, 177, 178).
//
// The platform delivers PrintScreen to the focused window only as a key
// release, so the program's message loop hands such messages to
// PreTranslate before dispatching them.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "dpi/display_scale.h"
#include "platform/handles.h"
#include "platform/window.h"
#include "raster/geometry.h"
#include "settings/hot_key_editor_model.h"

namespace lg::win {

class THotKey : public Window {
public:
    THotKey();
    ~THotKey() override;

    // A child of `parent` at (x, y), w × h, all in 96-DPI units, laid out
    // through `scale`.
    bool Create(HWND parent, int x, int y, int w, int h, DisplayScale scale);
    // Lays the editor out again for another display scale (the parent got
    // WM_DPICHANGED): new place and size, new font.
    void SetScale(DisplayScale scale);

    TShortCut HotKey() const { return model_.HotKey(); }
    // Stores the combination and shows its text; OnChange fires when the
    // text changes.
    void SetHotKey(TShortCut sc);
    const std::u16string& Text() const { return model_.Text(); }
    // A key that types, pressed without Ctrl, Alt or Shift, which the
    // editor refused (it would be taken from every program); 0 once
    // another key was chosen. OnChange fires when it changes.
    TShortCut Rejected() const { return model_.Rejected(); }

    // A key down with the modifiers held, as the editor's own key messages
    // and PreTranslate give it. False when the editor does not take the key.
    bool KeyDown(WPARAM vk, bool shift, bool ctrl, bool alt);

    // After every change of the shown text, also one the program made. A
    // handler may set the hotkey again (the duplicate rule does).
    std::function<void()> OnChange;
    // After a double-click, which has already cleared the editor (hotkey 0).
    std::function<void()> OnDblClick;

    // For the program's message loop, before TranslateMessage: a key
    // message of PrintScreen (down or up, normal or system) addressed to an
    // editor becomes that editor's key down, Alt taken from the message,
    // Shift and Ctrl from the keyboard state. True when it was used; the
    // loop then drops the message.
    static bool PreTranslate(const MSG& msg);
    // Whether an editor has the keyboard focus: a capture must not start
    // while the user is choosing a hotkey.
    static bool AnyHasFocus();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void Paint(HDC dc);
    void MakeFont();
    void Changed();
    bool KeyMessage(UINT msg, WPARAM wp, LPARAM lp);

    HotKeyEditorModel model_;
    DisplayScale scale_;
    TRect bounds96_;  // in the parent, 96-DPI units
    UniqueGdiObject font_;
};

}  // namespace lg::win
