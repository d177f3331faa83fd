#include "output/clipboard_retry.h"

#include <algorithm>

namespace lg {

std::optional<std::uint32_t> NextClipboardPause(const ClipboardRetry& retry, int failedAttempts,
                                                std::uint32_t elapsedMs) noexcept {
    if (elapsedMs >= retry.budgetMs) return std::nullopt;
    // A pause of 0 would spin on the clipboard; at least a millisecond.
    const std::uint32_t longest = std::max<std::uint32_t>(retry.maxPauseMs, 1);
    std::uint32_t pause = std::clamp<std::uint32_t>(retry.firstPauseMs, 1, longest);
    for (int i = 1; i < failedAttempts && pause < longest; ++i) {
        pause = pause > longest / 2 ? longest : pause * 2;
    }
    return std::min(pause, retry.budgetMs - elapsedMs);
}

}  // namespace lg
