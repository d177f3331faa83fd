// Mouse buttons, shift state and cursor ids as the host forwards them to the
// image view. Plain values, so the view needs no window to be driven.
#pragma once

#include <cstdint>

namespace lg {

enum TMouseButton : std::uint8_t { mbLeft, mbRight, mbMiddle };

// Modifier keys and held mouse buttons at the time of an event (bit set).
using TShiftState = std::uint8_t;
inline constexpr TShiftState ssShift = 0x01;
inline constexpr TShiftState ssAlt = 0x02;
inline constexpr TShiftState ssCtrl = 0x04;
inline constexpr TShiftState ssLeft = 0x08;
inline constexpr TShiftState ssRight = 0x10;
inline constexpr TShiftState ssMiddle = 0x20;
inline constexpr TShiftState ssDouble = 0x40;

// Cursor ids. Negative ids are the stock cursors the Win32 shell maps to
// system cursors; 0 means "no particular cursor" (the control's own shows).
// The values are the ones the capture window and the tools store, so they
// must not be renumbered.
using TCursor = int;
inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crCross = -3;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crSizeNESW = -6;
inline constexpr TCursor crSizeNS = -7;
inline constexpr TCursor crSizeNWSE = -8;
inline constexpr TCursor crSizeWE = -9;
inline constexpr TCursor crHandPoint = -21;
inline constexpr TCursor crSizeAll = -22;

}  // namespace lg
