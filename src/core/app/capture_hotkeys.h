// The three global capture hotkeys: which atom names each, which capture
// kind it starts, which setting holds its combination, and how a stored
// combination becomes the system's modifiers and key.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "settings/shortcut.h"

namespace lg {

struct TLGSettings;

struct CaptureHotKey {
    TTypeHotKey type;
    // The global atom's string; the atom is the hotkey's identifier.
    std::u16string_view atomName;
    // What StartSelectRegion is given: 0 area, 1 active window, 2 whole screen.
    int captureKind;
};

// In TTypeHotKey order, which is also the order of registration at start-up.
std::span<const CaptureHotKey> CaptureHotKeys();
const CaptureHotKey& CaptureHotKeyOf(TTypeHotKey tp);

// The stored combination of `tp`.
TShortCut HotKeySetting(const TLGSettings& s, TTypeHotKey tp);

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
