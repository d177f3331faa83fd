// Recognises the left+right mouse-button chord from the stream of button
// events a low-level mouse hook sees.
#pragma once

#include <cstdint>

namespace lg {

class MouseChord {
public:
    // Button messages as the hook receives them.
    static constexpr std::uint32_t kLeftDown = 0x201, kLeftUp = 0x202;
    static constexpr std::uint32_t kRightDown = 0x204, kRightUp = 0x205;

    // Feeds one event. True when it is the second button of a chord and the
    // chord is enabled (`twoMouse`, read at that moment): an area capture
    // starts. Button states are tracked whether the chord is enabled or not;
    // other messages change nothing.
    bool OnEvent(std::uint32_t message, bool twoMouse);

private:
    std::uint32_t lastLeft_ = 0;
    std::uint32_t lastRight_ = 0;
};

}  // namespace lg
