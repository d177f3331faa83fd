#include "app/capture_countdown.h"

#include <array>

namespace lg {
namespace {

constexpr std::array<CaptureDelay, 3> kDelays{{
    {3, u"3 секунды"},
    {5, u"5 секунд"},
    {10, u"10 секунд"},
}};

constexpr std::uint32_t kSecondMs = 1000;

}  // namespace

std::span<const CaptureDelay> CaptureDelays() {
    return kDelays;
}

void CaptureCountdown::Start(int seconds, std::uint32_t now) {
    running_ = true;
    start_ = now;
    lengthMs_ = seconds > 0 ? static_cast<std::uint32_t>(seconds) * kSecondMs : 0;
}

CountdownTick CaptureCountdown::Tick(std::uint32_t now) {
    if (!running_) return {};
    // Unsigned difference: right across the tick count's wrap.
    const std::uint32_t elapsed = now - start_;
    if (elapsed >= lengthMs_) {
        running_ = false;
        return {.due = true};
    }
    const std::uint32_t left = lengthMs_ - elapsed;
    const std::uint32_t seconds = (left + kSecondMs - 1) / kSecondMs;
    return {.secondsLeft = static_cast<int>(seconds), .nextInMs = left - (seconds - 1) * kSecondMs};
}

}  // namespace lg
