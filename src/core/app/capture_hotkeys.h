// The global capture hotkeys as the system knows them: which atom
// names each, and how a stored combination becomes the system's modifiers
// and key. The kinds, their order and their settings are the settings'
// (settings/shortcut.h), so the settings step can register without this.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "settings/shortcut.h"

namespace lg {

struct CaptureHotKey {
    CaptureKind kind;
    // The global atom's string; the atom is the hotkey's identifier.
    std::u16string_view atomName;
};

// In the order of registration (kHotKeyRegistrationOrder).
std::span<const CaptureHotKey> CaptureHotKeys();
const CaptureHotKey& CaptureHotKeyOf(CaptureKind kind);

// The system's hotkey modifiers (their values, so the core needs no
// windows.h). The Windows key is never part of a capture hotkey.
inline constexpr std::uint32_t kHotKeyModAlt = 1;
inline constexpr std::uint32_t kHotKeyModControl = 2;
inline constexpr std::uint32_t kHotKeyModShift = 4;

struct SystemHotKey {
    std::uint32_t modifiers = 0;
    std::uint32_t virtualKey = 0;
    friend bool operator==(const SystemHotKey&, const SystemHotKey&) = default;
};

// Shift, Ctrl and Alt become their system modifiers; every other high bit
// is dropped. The key is the low byte.
SystemHotKey ToSystemHotKey(TShortCut hk);

}  // namespace lg
