#include "tools/tick_source.h"

#include <chrono>
#include <utility>

namespace lg {

namespace {

TTickSource& InstalledSource() {
    static TTickSource source;
    return source;
}

std::uint32_t SteadyTicks() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    // Truncated on purpose: only 32-bit differences are ever taken.
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

}  // namespace

void SetDefaultTickSource(TTickSource source) {
    InstalledSource() = std::move(source);
}

std::uint32_t DefaultTickCount() {
    const TTickSource& source = InstalledSource();
    return source ? source() : SteadyTicks();
}

}  // namespace lg
