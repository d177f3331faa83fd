#include "art/progress_bar.h"

#include <algorithm>

#include "art/art_colors.h"
#include "art/paths.h"
#include "numeric/rounding.h"
#include "raster/polygon_fill.h"

namespace lg::art {

TBitmap32 DrawProgressBar(int position, DisplayScale scale) {
    const int width = scale.Px(kProgressBarWidth), height = scale.Px(kProgressBarHeight);
    const int line = scale.Px(1);
    // The corners are ellipses of (height - 2) x (height - 2) at 96 DPI.
    const double radius = scale.PxD((kProgressBarHeight - 2) / 2.0);
    TBitmap32 bar(width, height);
    bar.Clear(kPanelSurface);

    const Contour track = RoundedRect(0, 0, width, height, radius);
    FillPolygon(bar, track, kProgressTrackFill, am32times);
    if (width > 2 * line && height > 2 * line) {
        const Shape ring{track, Reversed(RoundedRect(line, line, width - line, height - line,
                                                     std::max(0.0, radius - line)))};
        FillPolygons(bar, ring, kOutline, am32times);
    }

    const int filled = static_cast<int>(
        RoundHalfEvenDiv(static_cast<std::int64_t>(std::clamp(position, 0, 100)) * width, 100));
    if (filled > 0) {
        // A fill narrower than its corners becomes a pill of its own width.
        FillPolygon(bar, RoundedRect(0, 0, filled, height, std::min(radius, filled / 2.0)), kAccent,
                    am32times);
    }
    return bar;
}

}  // namespace lg::art
