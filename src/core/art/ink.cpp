#include "art/ink.h"

#include <cmath>

#include "raster/blend.h"

namespace lg::art {

void InkShape(TBitmap32& canvas, std::span<const Contour> shape, TColor32 color) {
    CoverageMask mask(canvas.Width(), canvas.Height());
    mask.Add(shape);
    for (int y = 0; y < canvas.Height(); ++y) {
        TColor32* row = canvas.ScanLine(y);
        for (int x = 0; x < canvas.Width(); ++x) {
            const auto cover = static_cast<std::uint32_t>(std::lround(mask.At(x, y) * 255.0f));
            const std::uint32_t w = ScaleAlpha(AlphaOf(color), cover);
            if (w != 0) row[x] = Merge(WithAlpha(color, w), row[x]);
        }
    }
}

}  // namespace lg::art
