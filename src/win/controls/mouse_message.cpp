#include "controls/mouse_message.h"

#include <windowsx.h>

#include "controls/mouse_shift.h"

namespace lg::win {

std::optional<MouseMessage> ReadMouseMessage(UINT msg, WPARAM wp, LPARAM lp) {
    MouseMessage m;
    switch (msg) {
        case WM_MOUSEMOVE:
            m.kind = MouseMessage::Kind::Move;
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_LBUTTONUP:
            m.button = mbLeft;
            break;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_RBUTTONUP:
            m.button = mbRight;
            break;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
        case WM_MBUTTONUP:
            m.button = mbMiddle;
            break;
        default:
            return std::nullopt;
    }
    m.shift = ShiftFromMouseKeys(wp);
    switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            m.kind = MouseMessage::Kind::Down;
            break;
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
            m.kind = MouseMessage::Kind::Down;
            m.shift |= ssDouble;
            break;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            m.kind = MouseMessage::Kind::Up;
            break;
        default:
            break;
    }
    // Signed: on a second monitor left of or above the first, and while
    // the capture drags outside the window, coordinates are negative.
    m.x = GET_X_LPARAM(lp);
    m.y = GET_Y_LPARAM(lp);
    return m;
}

}  // namespace lg::win
