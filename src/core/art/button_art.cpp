#include "art/button_art.h"

#include "art/button_states.h"
#include "art/glyphs.h"
#include "art/swatch_button.h"

namespace lg::art {

ButtonArt DrawGlyphButton(Glyph glyph, int width96, int height96, DisplayScale scale) {
    if (glyph == Glyph::Color) return DrawSwatchButton(width96, height96, scale);
    const CoverageMask ink = DrawGlyph(glyph, width96, height96, scale);
    const Plate plate{PlateBox(width96, height96, scale), scale.PxD(kPlateRadius)};
    return {.plain = PaintSet(ink, PlainLooks(), plate),
            .latched = PaintSet(ink, LatchedLooks(), plate)};
}

}  // namespace lg::art
