// When to try again to add the tray icon after adding it failed. Started
// at logon, the program can come up before the shell's notification area
// is ready; without retries it would run with no icon and no way to reach
// its menu. The waits double from a first one up to a cap, and the retries
// stop once they would add up to more than a bound: a machine with no
// shell at all is not polled for ever ("TaskbarCreated" still brings the
// icon when a shell starts later).
#pragma once

#include <cstdint>
#include <optional>

namespace lg {

struct TrayRetrySchedule {
    std::uint32_t firstDelayMs = 1000;
    std::uint32_t maxDelayMs = 30000;
    std::uint32_t giveUpAfterMs = 5 * 60 * 1000;
};

// The wait before the next attempt once `failures` attempts have failed
// (1: the first add at start-up): firstDelayMs doubled for each earlier
// failure, at most maxDelayMs. Nothing when the waits, this one included,
// would add up to more than giveUpAfterMs, or when nothing failed.
std::optional<std::uint32_t> TrayRetryDelay(int failures,
                                            const TrayRetrySchedule& schedule = {}) noexcept;

}  // namespace lg
