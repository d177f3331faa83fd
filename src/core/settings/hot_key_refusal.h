// Why a capture hotkey has no registration, told to the user: another
// program holds the combination, the system gives the PrintScreen key to
// its own screen-snipping tool, or the combination is a bare key that
// would be taken from every program. The program never changes that
// system setting itself; the texts say where the user can.
#pragma once

#include <span>
#include <string>

#include "settings/hot_key_text.h"
#include "settings/registry_store.h"
#include "settings/shortcut.h"

namespace lg {

enum class HotKeyRefusal { OtherProgram, SnippingTool, BareKey };

// The user's system setting that gives PrintScreen to the snipping tool
// (HKCU\Control Panel\Keyboard, DWORD PrintScreenKeyForSnippingEnabled = 1);
// only read, never written.
bool PrintScreenKeyForSnipping(const RegistryStore& hkcu);

// A bare key is never offered to the system (IsBareHotKey); PrintScreen
// without modifiers is what the system's snipping setting takes; every
// other refusal is another program's registration.
HotKeyRefusal RefusalReason(TShortCut hk, bool printScreenForSnipping);

// The note beside the editors for the refused combinations they still
// hold (0s are ignored); empty when there are none. When the snipping tool
// holds PrintScreen, that is told first, since it is freed in another place.
std::u16string HotKeyRefusalNote(std::span<const TShortCut> refused, bool printScreenForSnipping,
                                 const KeyNameLookup& systemName);

struct RefusedHotKey {
    CaptureKind kind;
    TShortCut hk;
    HotKeyRefusal reason;
    friend bool operator==(const RefusedHotKey&, const RefusedHotKey&) = default;
};

// The notification after a save that left captures without a hotkey:
// which combination, why, and which capture lost its hotkey. Empty when
// nothing was refused.
std::u16string HotKeysRefusedOnSave(std::span<const RefusedHotKey> refused,
                                    const KeyNameLookup& systemName);

}  // namespace lg
