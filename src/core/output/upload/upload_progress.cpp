#include "output/upload/upload_progress.h"

#include "numeric/rounding.h"

namespace lg {

int ProgressPercent(std::int64_t count, std::int64_t whole) noexcept {
    if (whole <= 0) return 100;
    return static_cast<int>(RoundHalfEvenDiv(count * 100, whole));
}

std::optional<int> UploadProgress::Written(std::int64_t count, std::int64_t whole) noexcept {
    const int pos = ProgressPercent(count, whole);
    if (pos == lastPos_) return std::nullopt;
    lastPos_ = pos;
    return pos;
}

ProgressWindowStep ProgressStepFor(int lastPos) noexcept {
    if (lastPos < 0 || lastPos >= 100) return {.close = true};
    return {.close = false, .position = lastPos};
}

}  // namespace lg
