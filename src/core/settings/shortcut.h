// Key combinations of the capture hotkeys, and the one numbering of the
// three captures they start.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace lg {

// Low byte: the virtual-key code; the high bits add modifiers. 0 means no hotkey.
using TShortCut = std::uint16_t;

inline constexpr TShortCut kScShift = 0x2000;
inline constexpr TShortCut kScCtrl = 0x4000;
inline constexpr TShortCut kScAlt = 0x8000;

// The kinds of capture, numbered as StartSelectRegion takes them.
// Every hotkey, editor and refusal is named by the capture it starts, so
// there is no second numbering to translate.
enum class CaptureKind : std::uint8_t {
    Area = 0,      // the user selects an area; TLGSettings::hkArea
    Window = 1,    // the foreground window; TLGSettings::hkWindow
    Screen = 2,    // the whole virtual screen; TLGSettings::hkAll
    LastArea = 3,  // the last area again; TLGSettings::hkLastArea (none by default)
};

// What StartSelectRegion is given for a kind.
constexpr int TypeSelectOf(CaptureKind kind) {
    return static_cast<int>(kind);
}
// An array indexed by kind.
constexpr std::size_t IndexOf(CaptureKind kind) {
    return static_cast<std::size_t>(kind);
}

// The hotkeys by their traditional names, which are the captures' kinds.
using TTypeHotKey = CaptureKind;
inline constexpr TTypeHotKey thkAll = CaptureKind::Screen;
inline constexpr TTypeHotKey thkWin = CaptureKind::Window;
inline constexpr TTypeHotKey thkArea = CaptureKind::Area;
inline constexpr TTypeHotKey thkLastArea = CaptureKind::LastArea;

// The order the hotkeys are registered in, at start-up and on every save:
// whole screen, window, area, then the last area, which came later.
inline constexpr std::array<CaptureKind, 4> kHotKeyRegistrationOrder{thkAll, thkWin, thkArea,
                                                                     thkLastArea};

}  // namespace lg
