#include "capture/capture_geometry.h"

#include <algorithm>

namespace lg {

TRect ComputeRectWork(int primaryWidth, int primaryHeight, std::span<const TRect> monitors) {
    TRect r{0, 0, primaryWidth, primaryHeight};
    for (const TRect& m : monitors) {
        r.Left = std::min(r.Left, m.Left);
        r.Top = std::min(r.Top, m.Top);
        r.Right = std::max(r.Right, m.Right);
        r.Bottom = std::max(r.Bottom, m.Bottom);
    }
    return r;
}

std::optional<TRect> InitialSelection(int kind, const TRect& rectWork,
                                      std::optional<TRect> foregroundWindow) {
    TRect sel;
    if (kind == 1) {
        if (!foregroundWindow) return std::nullopt;
        const TRect& w = *foregroundWindow;
        sel.Left = std::max(w.Left, rectWork.Left) - rectWork.Left;
        sel.Right = std::min(w.Right, rectWork.Right) - rectWork.Left;
        sel.Top = std::max(w.Top, rectWork.Top) - rectWork.Top;
        sel.Bottom = std::min(w.Bottom, rectWork.Bottom) - rectWork.Top;
    } else if (kind == 2) {
        sel = TRect{0, 0, rectWork.Width(), rectWork.Height()};
    } else {
        return std::nullopt;
    }
    if (sel.Right <= sel.Left || sel.Bottom <= sel.Top) return std::nullopt;
    return sel;
}

TRect VisibleWindowFrame(std::optional<TRect> extendedFrame, const TRect& windowRect) {
    if (extendedFrame && extendedFrame->Right > extendedFrame->Left &&
        extendedFrame->Bottom > extendedFrame->Top) {
        return *extendedFrame;
    }
    return windowRect;
}

}  // namespace lg
