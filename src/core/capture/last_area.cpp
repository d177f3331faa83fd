#include "capture/last_area.h"

namespace lg {

std::optional<TRect> LastAreaSelection(std::optional<TRect> lastArea, const TRect& rectWork) {
    if (!lastArea) return std::nullopt;
    const TRect on = IntersectRect(*lastArea, rectWork);
    if (on.IsEmpty()) return std::nullopt;
    return TRect{on.Left - rectWork.Left, on.Top - rectWork.Top, on.Right - rectWork.Left,
                 on.Bottom - rectWork.Top};
}

}  // namespace lg
