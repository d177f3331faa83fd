// Why the system refused a capture hotkey, told beside the hotkey editors:
// another program holds the combination, or the system gives the
// PrintScreen key to its own screen-snipping tool. The program never
// changes that system setting itself; the note says where the user can.
#pragma once

#include <span>
#include <string>

#include "settings/hot_key_text.h"
#include "settings/registry_store.h"
#include "settings/shortcut.h"

namespace lg {

enum class HotKeyRefusal { OtherProgram, SnippingTool };

// The user's system setting that gives PrintScreen to the snipping tool
// (HKCU\Control Panel\Keyboard, DWORD PrintScreenKeyForSnippingEnabled = 1);
// only read, never written.
bool PrintScreenKeyForSnipping(const RegistryStore& hkcu);

// PrintScreen without modifiers is what the system's snipping setting
// takes; every other refusal is another program's registration.
HotKeyRefusal RefusalReason(TShortCut hk, bool printScreenForSnipping);

// The note for the refused combinations that the editors still hold (0s
// are ignored); empty when there are none. When the snipping tool holds
// PrintScreen, that is told first, since it is freed in another place.
std::u16string HotKeyRefusalNote(std::span<const TShortCut> refused, bool printScreenForSnipping,
                                 const KeyNameLookup& systemName);

}  // namespace lg
