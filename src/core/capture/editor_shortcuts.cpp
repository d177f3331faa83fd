#include "capture/editor_shortcuts.h"

namespace lg {

EditorKeyAction FindEditorShortcut(std::uint16_t key, TShiftState shift) noexcept {
    const TShiftState held = shift & kModifierKeys;
    for (const EditorShortcut& s : kEditorShortcuts) {
        if (s.key == key && (s.modifiers == kAnyModifiers || s.modifiers == held)) return s.action;
    }
    return EditorKeyAction::None;
}

}  // namespace lg
