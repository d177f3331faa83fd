// The capture editor's keys: which key, with exactly which modifier keys,
// does what. The modifiers are compared as a whole set: AltGr arrives as
// Ctrl+Alt, and AltGr+Z or AltGr+C types a letter ("ż", "ć") that must
// never undo or copy and close the capture.
#pragma once

#include <cstdint>

#include "layers/input.h"

namespace lg {

// Virtual-key codes the editor reacts to.
inline constexpr std::uint16_t kVkEscape = 27;
inline constexpr std::uint16_t kVkC = 'C', kVkY = 'Y', kVkZ = 'Z';

enum class EditorKeyAction : std::uint8_t { None, TestClose, Undo, Redo, Copy };

// The modifier keys of a shift state; held mouse buttons are no modifiers.
inline constexpr TShiftState kModifierKeys = ssShift | ssAlt | ssCtrl;
// A row that acts whatever modifiers are held.
inline constexpr TShiftState kAnyModifiers = 0xFF;

struct EditorShortcut {
    std::uint16_t key;
    TShiftState modifiers;  // the exact set, or kAnyModifiers
    EditorKeyAction action;
};

inline constexpr EditorShortcut kEditorShortcuts[] = {
    // Esc leaves text editing or the capture, as it always has.
    {kVkEscape, kAnyModifiers, EditorKeyAction::TestClose},
    {kVkZ, ssCtrl, EditorKeyAction::Undo},
    {kVkY, ssCtrl, EditorKeyAction::Redo},
    {kVkC, ssCtrl, EditorKeyAction::Copy},
};

// What `key` pressed with `shift` does; None when no row matches.
EditorKeyAction FindEditorShortcut(std::uint16_t key, TShiftState shift) noexcept;

}  // namespace lg
