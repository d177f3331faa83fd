// The millisecond tick count the freehand tools thin their input with.
//
// The core cannot ask the OS, so the count comes from a function: the Win32
// shell installs the platform's tick count at start-up, tests install a fake
// one. Ticks are compared by unsigned 32-bit difference only, so the wrap
// every 49.7 days does no harm and the origin does not matter.
#pragma once

#include <cstdint>
#include <functional>

namespace lg {

using TTickSource = std::function<std::uint32_t()>;

// Installs the process-wide tick source; an empty one restores the
// built-in clock (a monotonic clock's milliseconds, truncated to 32 bits).
void SetDefaultTickSource(TTickSource source);

// The process-wide tick count now.
std::uint32_t DefaultTickCount();

}  // namespace lg
