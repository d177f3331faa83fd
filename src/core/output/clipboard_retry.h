// When to try again to open a clipboard another program holds. Clipboard
// managers and remote-desktop clients hold it for moments at a time; the
// copy waits for it on the GUI thread, so the whole wait is bounded to
// about a second, with short pauses first so that a brief hold costs
// almost nothing.
#pragma once

#include <cstdint>
#include <optional>

namespace lg {

struct ClipboardRetry {
    // Longest total wait from the first attempt, then the copy gives up.
    std::uint32_t budgetMs = 1000;
    // The pause after the first failed attempt; it doubles after each one.
    std::uint32_t firstPauseMs = 10;
    // Pauses never grow beyond this, so a release is not slept through.
    std::uint32_t maxPauseMs = 100;
};

// The pause before the next attempt, after `failedAttempts` attempts
// (at least one) failed and `elapsedMs` passed since the first began;
// nothing once the budget is spent. The last pause is cut short so the
// final attempt falls at the end of the budget, not beyond it.
[[nodiscard]] std::optional<std::uint32_t> NextClipboardPause(const ClipboardRetry& retry,
                                                              int failedAttempts,
                                                              std::uint32_t elapsedMs) noexcept;

}  // namespace lg
