#include "art/picture_ops.h"

#include <cmath>

#include "art/paths.h"
#include "raster/blend.h"
#include "raster/polygon_fill.h"

namespace lg::art {

namespace {

std::uint32_t ToByte(float coverage) {
    return static_cast<std::uint32_t>(std::lround(coverage * 255.0f));
}

}  // namespace

TBitmap32 PaintState(const CoverageMask& glyph, TColor32 ink, const Plate& plate, TColor32 base) {
    TBitmap32 picture(glyph.Width(), glyph.Height());
    picture.Clear(base);
    picture.SetCombineMode(cmMerge);
    if (AlphaOf(plate.color) != 0 && !plate.box.IsEmpty()) {
        const Contour outline = RoundedRect(plate.box.Left, plate.box.Top, plate.box.Right,
                                            plate.box.Bottom, plate.radius);
        FillPolygon(picture, outline, plate.color, am32times);
    }
    for (int y = 0; y < picture.Height(); ++y) {
        TColor32* row = picture.ScanLine(y);
        for (int x = 0; x < picture.Width(); ++x) {
            const std::uint32_t w = ScaleAlpha(AlphaOf(ink), ToByte(glyph.At(x, y)));
            if (w != 0) row[x] = Merge(WithAlpha(ink, w), row[x]);
        }
    }
    // Drawn like every other picture: blended by its own alpha.
    picture.SetCombineMode(cmBlend);
    return picture;
}

TBitmap32 Faded(const TBitmap32& picture, std::uint32_t alpha) {
    TBitmap32 faded(picture);
    for (TColor32& p : faded.Pixels()) p = WithAlpha(p, ScaleAlpha(AlphaOf(p), alpha));
    return faded;
}

void CutHole(TBitmap32& picture, const CoverageMask& hole) {
    for (int y = 0; y < picture.Height(); ++y) {
        TColor32* row = picture.ScanLine(y);
        for (int x = 0; x < picture.Width(); ++x) {
            const std::uint32_t keep = 255 - ToByte(hole.At(x, y));
            row[x] = WithAlpha(row[x], ScaleAlpha(AlphaOf(row[x]), keep));
        }
    }
}

}  // namespace lg::art
