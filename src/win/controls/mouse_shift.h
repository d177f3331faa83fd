// The modifier keys and held buttons of a mouse message, as the controls
// take them.
#pragma once

#include <windows.h>

#include "layers/input.h"

namespace lg::win {

inline TShiftState ShiftFromMouseKeys(WPARAM wp) {
    TShiftState s = 0;
    if (wp & MK_SHIFT) s |= ssShift;
    if (wp & MK_CONTROL) s |= ssCtrl;
    if (wp & MK_LBUTTON) s |= ssLeft;
    if (wp & MK_RBUTTON) s |= ssRight;
    if (wp & MK_MBUTTON) s |= ssMiddle;
    if (GetKeyState(VK_MENU) < 0) s |= ssAlt;  // not among the message's keys
    return s;
}

}  // namespace lg::win
