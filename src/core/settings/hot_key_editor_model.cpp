#include "settings/hot_key_editor_model.h"

#include <utility>

#include "settings/bare_hot_key.h"

namespace lg {
namespace {

// Virtual keys of the modifiers: the generic ones the key messages carry,
// and the left and right ones some sources send instead.
bool IsModifierKey(std::uint8_t vk) {
    switch (vk) {
        case 0x10:  // Shift
        case 0x11:  // Ctrl
        case 0x12:  // Alt
        case 0xA0:  // left and right Shift, Ctrl, Alt
        case 0xA1:
        case 0xA2:
        case 0xA3:
        case 0xA4:
        case 0xA5:
            return true;
        default:
            return false;
    }
}

}  // namespace

bool IsKeyKeptFromEditors(std::uint8_t vk) {
    switch (vk) {
        case 0x23:  // End
        case 0x24:  // Home
        case 0x25:  // Left
        case 0x26:  // Up
        case 0x27:  // Right
        case 0x28:  // Down
        case 0x2E:  // Delete
            return true;
        default:
            return false;
    }
}

HotKeyEditorModel::HotKeyEditorModel(KeyNameLookup systemName)
    : systemName_(std::move(systemName)) {}

bool HotKeyEditorModel::KeyDown(std::uint8_t vk, bool shift, bool ctrl, bool alt) {
    if (vk == 0 || IsKeyKeptFromEditors(vk)) return false;
    if (IsModifierKey(vk)) {
        modifiersOnly_ = true;
        std::u16string held;
        if (shift) held += u"Shift+";
        if (ctrl) held += u"Ctrl+";
        if (alt) held += u"Alt+";
        Show(std::move(held));
        return true;
    }
    modifiersOnly_ = false;
    const auto pressed = static_cast<TShortCut>(vk | (alt ? kScAlt : 0) | (ctrl ? kScCtrl : 0) |
                                                (shift ? kScShift : 0));
    if (IsBareHotKey(pressed)) {
        // Taken as a global hotkey, the key would stop working in every
        // program: the editor keeps what it held.
        Show(HotKeyToText(hotKey_, systemName_), pressed);
        return true;
    }
    hotKey_ = pressed;
    Show(HotKeyToText(hotKey_, systemName_), 0);
    return true;
}

void HotKeyEditorModel::KeyUp() {
    if (modifiersOnly_) Show({});
}

void HotKeyEditorModel::SetHotKey(TShortCut sc) {
    hotKey_ = sc;
    Show(HotKeyToText(sc, systemName_), 0);
}

void HotKeyEditorModel::Show(std::u16string text) {
    Show(std::move(text), rejected_);
}

void HotKeyEditorModel::Show(std::u16string text, TShortCut rejected) {
    if (text == text_ && rejected == rejected_) return;
    text_ = std::move(text);
    rejected_ = rejected;
    // Last: the handler may set the hotkey again.
    if (OnChange) OnChange();
}

}  // namespace lg
