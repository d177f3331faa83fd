// Which combinations may not be a global hotkey: a key that types a
// character (letters, digits, punctuation) or that every dialog and editor
// relies on (Space, Enter, Tab, Esc, Backspace), held without Ctrl, Alt or
// Shift. Registered alone it would be taken from every program on the
// desktop. F1-F24, PrintScreen, Pause, Insert, the numeric keypad and the
// navigation keys stay allowed alone.
#pragma once

#include <cstdint>

#include "settings/shortcut.h"

namespace lg {

// A key that needs a modifier before it can be a global hotkey.
bool KeyNeedsModifier(std::uint8_t vk);

// `hk` holds such a key and no Ctrl, Alt or Shift. 0 (no hotkey) is not.
bool IsBareHotKey(TShortCut hk);

}  // namespace lg
