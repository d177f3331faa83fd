#include "app/mouse_chord.h"

namespace lg {

bool MouseChord::OnEvent(std::uint32_t message, bool twoMouse) {
    switch (message) {
        case kLeftDown:
            lastLeft_ = message;
            return lastRight_ == kRightDown && twoMouse;
        case kLeftUp:
            lastLeft_ = message;
            return false;
        case kRightDown:
            lastRight_ = message;
            return lastLeft_ == kLeftDown && twoMouse;
        case kRightUp:
            lastRight_ = message;
            return false;
        default:
            return false;
    }
}

}  // namespace lg
