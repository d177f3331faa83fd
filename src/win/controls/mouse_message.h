// The one reading of window mouse messages for everything that routes the
// mouse to the core (the image view, the windowless controls), and the one
// way the system's mouse capture follows the core's drags.
//
// A mouse target is a core object with
//   MouseDown(TMouseButton, TShiftState, x, y), MouseMove(TShiftState, x, y),
//   MouseUp(TMouseButton, TShiftState, x, y),
//   Capturing() (a drag runs: the window must keep the mouse) and
//   CaptureLost() (the window lost the mouse: end the drag).
// TImgView32 and ControlHost are both.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "layers/input.h"

namespace lg::win {

struct MouseMessage {
    enum class Kind : std::uint8_t { Down, Move, Up };
    Kind kind = Kind::Move;
    TMouseButton button = mbLeft;  // of a press or a release
    // The modifier keys and the buttons held after the event; a press that
    // is a double click also carries ssDouble.
    TShiftState shift = 0;
    int x = 0;  // client coordinates
    int y = 0;
};

// A press, move or release of the left, right or middle button; nullopt
// for every other message.
std::optional<MouseMessage> ReadMouseMessage(UINT msg, WPARAM wp, LPARAM lp);

template <class Target>
void DeliverMouse(Target& target, const MouseMessage& m) {
    switch (m.kind) {
        case MouseMessage::Kind::Down:
            target.MouseDown(m.button, m.shift, m.x, m.y);
            break;
        case MouseMessage::Kind::Move:
            target.MouseMove(m.shift, m.x, m.y);
            break;
        case MouseMessage::Kind::Up:
            target.MouseUp(m.button, m.shift, m.x, m.y);
            break;
    }
}

// Takes the system capture while the target drags and gives it back once
// it lets go. Called after each delivered message: a release is delivered
// before the capture goes, so the WM_CAPTURECHANGED that follows finds no
// drag left to end.
template <class Target>
void FollowCapture(HWND wnd, const Target& target) {
    if (target.Capturing()) {
        if (GetCapture() != wnd) SetCapture(wnd);
    } else if (GetCapture() == wnd) {
        ReleaseCapture();
    }
}

// WM_CAPTURECHANGED (lp: the window taking the capture, or none): when it
// went elsewhere in the middle of a drag, the target ends the drag, so
// nothing goes on following a mouse whose button is no longer seen.
template <class Target>
void CaptureChanged(HWND wnd, LPARAM lp, Target& target) {
    if (reinterpret_cast<HWND>(lp) != wnd && target.Capturing()) target.CaptureLost();
}

}  // namespace lg::win
