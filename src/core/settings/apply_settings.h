// What pressing "СОХРАНИТЬ" does, apart from the window: the capture
// hotkeys registered anew in their order (whole screen, window, area, last
// area), a refused combination cleared so that 0 is what gets stored, then
// the record stored and the autostart entry applied. Start-up registers the
// same way. The window only reads its controls into a record and shows
// what came back.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "settings/hot_key_refusal.h"
#include "settings/registry_store.h"
#include "settings/settings.h"
#include "settings/settings_store.h"
#include "settings/shortcut.h"

namespace lg {

// The system's registration of the capture hotkeys.
class HotKeyRegistrar {
public:
    virtual ~HotKeyRegistrar() = default;
    // Replaces the registration of `kind` by `hk`; true when the system
    // accepted it. The old combination is released first, so after a
    // refusal the kind has no hotkey. 0 only releases it (and is reported
    // like any other attempt).
    virtual bool Register(CaptureKind kind, TShortCut hk) = 0;
};

struct HotKeyOutcome {
    CaptureKind kind = CaptureKind::Area;
    TShortCut asked = 0;  // the combination the settings hold
    bool registered = false;
    friend bool operator==(const HotKeyOutcome&, const HotKeyOutcome&) = default;
};

// In kHotKeyRegistrationOrder.
using HotKeyOutcomes = std::array<HotKeyOutcome, kHotKeyRegistrationOrder.size()>;

// Registers the hotkeys of `settings` in their order. A bare key
// (IsBareHotKey) is never offered to the system: its kind is registered
// empty, so it has no hotkey, as after a refusal.
HotKeyOutcomes RegisterCaptureHotKeys(const TLGSettings& settings, HotKeyRegistrar& registrar);

// The hotkeys that ended without a registration although a combination
// was asked for, with the reason (`printScreenForSnipping`: the system's
// setting, PrintScreenKeyForSnipping).
std::vector<RefusedHotKey> RefusedHotKeys(const HotKeyOutcomes& outcomes,
                                          bool printScreenForSnipping);

struct SettingsApplied {
    // The program's record from now on: refused hotkeys are 0.
    TLGSettings settings;
    HotKeyOutcomes hotKeys{};
    std::vector<RefusedHotKey> refused;
    // The record and the autostart entry were written.
    bool stored = false;
};

// The save. `current` is the program's record, `edited` the settings
// window's; the fields the window does not edit (pen width and colours,
// FirstRun) are taken from `current`, since a capture may have changed
// them while the window was open. `store` is the user's registry
// (HKEY_CURRENT_USER), where the record is written and the snipping
// setting read.
SettingsApplied ApplySettings(const TLGSettings& current, const TLGSettings& edited,
                              HotKeyRegistrar& registrar, RegistryStore& store,
                              std::u16string_view exeFileName, std::u16string_view exePath);

}  // namespace lg
