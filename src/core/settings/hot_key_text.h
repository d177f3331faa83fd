// A key combination as the hotkey editors show it: "Shift+Ctrl+S",
// "Alt+Prt Scr", "F13".
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "settings/shortcut.h"

namespace lg {

// The system's name of a virtual key (the keyboard layout's name of its
// scan code), for keys the program does not name itself; empty when the
// key has no scan code. The shell asks the system, tests pass a fake.
using KeyNameLookup = std::function<std::u16string(std::uint8_t vk)>;

// The program's own name of a virtual key; empty for a key it leaves to
// the system. The keypad digits are named like the main keyboard's.
std::u16string_view OwnKeyName(std::uint8_t vk);

// "Shift+", "Ctrl+", "Alt+" in that order, then the key's name. Empty for
// 0 and for a key with no name at all, whatever modifiers it carries.
std::u16string HotKeyToText(TShortCut sc, const KeyNameLookup& systemName);

}  // namespace lg
