// Key combinations of the capture hotkeys.
#pragma once

#include <cstdint>

namespace lg {

// Low byte: the virtual-key code; the high bits add modifiers. 0 means no hotkey.
using TShortCut = std::uint16_t;

inline constexpr TShortCut kScShift = 0x2000;
inline constexpr TShortCut kScCtrl = 0x4000;
inline constexpr TShortCut kScAlt = 0x8000;

// The three capture hotkeys. The order is the reverse of the capture kinds
// (0 area, 1 window, 2 whole screen), so never cast one into the other.
enum TTypeHotKey : std::uint8_t {
    thkAll = 0,   // whole screen, TLGSettings::hkAll
    thkWin = 1,   // active window, TLGSettings::hkWindow
    thkArea = 2,  // area, TLGSettings::hkArea
};

}  // namespace lg
