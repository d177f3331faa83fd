#include "app/tray_retry.h"

#include <algorithm>

namespace lg {

std::optional<std::uint32_t> TrayRetryDelay(int failures,
                                            const TrayRetrySchedule& schedule) noexcept {
    // A zero first wait would never grow and never reach the bound.
    const std::uint64_t cap = std::max<std::uint32_t>(schedule.maxDelayMs, 1);
    std::uint64_t delay =
        std::min<std::uint64_t>(std::max<std::uint32_t>(schedule.firstDelayMs, 1), cap);
    std::uint64_t total = 0;
    for (int i = 1; i <= failures; ++i) {
        if (i > 1) delay = std::min(delay * 2, cap);
        total += delay;
        if (total > schedule.giveUpAfterMs) return std::nullopt;
    }
    if (failures < 1) return std::nullopt;
    return static_cast<std::uint32_t>(delay);
}

}  // namespace lg
