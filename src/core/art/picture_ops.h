// How a state picture is put together from a glyph's coverage, and the
// whole-picture operations the states share.
#pragma once

#include <cstdint>

#include "art/coverage_mask.h"
#include "raster/bitmap32.h"

namespace lg::art {

// The rounded plate behind a hovered, pressed or latched glyph.
struct Plate {
    TRect box;
    double radius = 4;
    TColor32 color = 0;  // alpha 0: no plate
};

// A picture of the mask's size: `base` everywhere (0 leaves it transparent),
// the plate over it, and the glyph in `ink` over both. Straight alpha, so
// the anti-aliased edge of the glyph keeps its colour on a transparent
// background instead of darkening towards black.
TBitmap32 PaintState(const CoverageMask& glyph, TColor32 ink, const Plate& plate,
                     TColor32 base = 0);

// The picture with every alpha scaled by `alpha` / 255.
TBitmap32 Faded(const TBitmap32& picture, std::uint32_t alpha);

// Makes the hole's coverage transparent (its edge in proportion).
void CutHole(TBitmap32& picture, const CoverageMask& hole);

}  // namespace lg::art
