// What a hotkey editor does with the keys it is given, without a window:
// the combination it holds, the text it shows, and when that text changes.
//
// A key down of Shift, Ctrl or Alt alone shows the held modifiers as
// "Shift+", "Ctrl+", "Alt+" and leaves the combination alone; any other
// key becomes the combination with the held modifiers. Releasing a key
// after modifiers alone clears the shown text but keeps the combination,
// so a user who lets go without choosing a key saves what was there.
// Characters never reach the text: the editor is read-only.
//
// A key that needs a modifier (IsBareHotKey), pressed without Ctrl, Alt or
// Shift, is refused: the combination and its text stay, and Rejected()
// names the refused key until the next key is chosen, for the window to
// explain.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "settings/hot_key_text.h"
#include "settings/shortcut.h"

namespace lg {

// The keys the program's message loop keeps from every window (End, Home,
// Left, Up, Right, Down, Delete); an editor never takes them either.
bool IsKeyKeptFromEditors(std::uint8_t vk);

class HotKeyEditorModel {
public:
    explicit HotKeyEditorModel(KeyNameLookup systemName);

    // A key down with the modifiers held at that moment. False when the
    // editor does not take the key; then nothing changes.
    bool KeyDown(std::uint8_t vk, bool shift, bool ctrl, bool alt);
    // Any key released.
    void KeyUp();

    TShortCut HotKey() const { return hotKey_; }
    // Stores the combination and shows its text.
    void SetHotKey(TShortCut sc);
    const std::u16string& Text() const { return text_; }
    // The bare key the editor refused last, 0 once another key was taken
    // or the program set the combination.
    TShortCut Rejected() const { return rejected_; }

    // Fires after every change of the shown text or of Rejected(), also one
    // the program made through SetHotKey; not when neither changed. It may
    // set the hotkey again (the settings window clears a duplicate from it).
    std::function<void()> OnChange;

private:
    void Show(std::u16string text);
    // Show, with the refused key changed too.
    void Show(std::u16string text, TShortCut rejected);

    KeyNameLookup systemName_;
    TShortCut hotKey_ = 0;
    std::u16string text_;
    TShortCut rejected_ = 0;
    // The last key down was a modifier; the next release clears the text.
    bool modifiersOnly_ = false;
};

}  // namespace lg
