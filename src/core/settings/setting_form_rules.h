// The settings window's decisions over plain values: which hotkey editor
// gives way to a clash, how the two save-target radio buttons move, and
// what the reset puts into the controls.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "settings/shortcut.h"

namespace lg {

// The hotkey editors of the hotkeys page.
enum class HotKeyEditorId : std::uint8_t {
    hkAllScreen,   // whole screen
    hkAreaScreen,  // area
    hkWinScreen,   // active window
    hkLastArea,    // the last area again
};

// The hotkeys the editors hold.
struct HotKeyEditorValues {
    TShortCut hkAllScreen = 0;
    TShortCut hkAreaScreen = 0;
    TShortCut hkWinScreen = 0;
    TShortCut hkLastArea = 0;

    TShortCut Of(HotKeyEditorId id) const;
};

// After an editor's text changed: the other editor already holding the
// same combination, looked for in a fixed order (whole screen: window,
// then area; area: window, then whole screen; window: area, then whole
// screen; each of them then the last area, which came later, and the last
// area: window, area, whole screen). When there is one, the changed editor is set to 0 and the
// other keeps its combination. An empty editor clashes with nothing.
std::optional<HotKeyEditorId> HotKeyClash(HotKeyEditorId changed, const HotKeyEditorValues& values);

// The save-target options: the radio pair "to the server" / "to the
// clipboard", and "open in the browser", which follows the pair.
struct SaveTargetButtons {
    bool btServer = true;
    bool btClip = false;
    bool btOpenURL = true;

    friend bool operator==(const SaveTargetButtons&, const SaveTargetButtons&) = default;
};

enum class SaveTargetRadio : std::uint8_t { btServer, btClip };

// A click on one of the radio pair. Clicking the chosen one changes
// nothing; otherwise both flip and "open in the browser" takes the new
// state of "to the server" (ticking it again by hand stays allowed).
SaveTargetButtons ClickSaveTarget(SaveTargetButtons now, SaveTargetRadio clicked);

// What "reset settings" puts into the controls, named after them. Nothing
// is stored until the user saves. Unlike a fresh record it turns
// autostart on.
struct SettingFormDefaults {
    bool btRunWinStart = true;
    bool btShowCursor = false;
    bool btPlaySound = true;
    bool btShowRedact = true;
    TShortCut hkAllScreen = kScShift | 0x2C;  // Shift+PrintScreen
    TShortCut hkAreaScreen = 0x2C;            // PrintScreen
    TShortCut hkWinScreen = kScAlt | 0x2C;    // Alt+PrintScreen
    TShortCut hkLastArea = 0;                 // none
    bool btTwoMouse = true;
    std::u16string edPath2;  // DefaultSavePath
    bool btServer = true;
    bool btClip = false;
    bool btSaveToo = false;
    int cbFormat = 0;  // PNG
    bool btOpenURL = true;

    friend bool operator==(const SettingFormDefaults&, const SettingFormDefaults&) = default;
};

// The reset's values; `picturesFolder` as DefaultSavePath takes it.
SettingFormDefaults DefaultSettings(std::optional<std::u16string_view> picturesFolder);

}  // namespace lg
