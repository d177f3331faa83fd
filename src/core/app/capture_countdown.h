// The countdown before a delayed capture: which delays the tray offers, the
// seconds shown while it runs, and when the capture is due. Time is a tick
// count in milliseconds that may wrap (the system's), passed in, so the
// rules are tested on a fake clock.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace lg {

struct CaptureDelay {
    int seconds;
    // The item of the tray's delay submenu.
    std::u16string_view caption;
};

// In the order the submenu shows them.
std::span<const CaptureDelay> CaptureDelays();

// What one look at the clock tells the countdown window.
struct CountdownTick {
    // Time is up: the countdown has stopped, the capture is due.
    bool due = false;
    // The number to show, while running: the whole seconds left, rounded
    // up, so the first second shows the full delay and 0 is never shown.
    int secondsLeft = 0;
    // Milliseconds until the number changes or the time is up: the next
    // timer interval (at least 1 while running, 0 otherwise).
    std::uint32_t nextInMs = 0;
};

class CaptureCountdown {
public:
    // Counts `seconds` from `now`; a countdown already running starts over.
    void Start(int seconds, std::uint32_t now);
    // Stops it: Esc, or a capture started another way.
    void Cancel() { running_ = false; }
    bool Running() const { return running_; }

    // Where the countdown stands at `now`. The first look at or after the
    // end reports it due once and stops the countdown.
    CountdownTick Tick(std::uint32_t now);

private:
    bool running_ = false;
    std::uint32_t start_ = 0;
    std::uint32_t lengthMs_ = 0;
};

}  // namespace lg
