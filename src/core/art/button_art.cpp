#include "art/button_art.h"

#include "art/button_states.h"
#include "art/glyphs.h"
#include "art/swatch_button.h"

namespace lg::art {

ButtonArt DrawGlyphButton(Glyph glyph, int width, int height) {
    if (glyph == Glyph::Color) return DrawSwatchButton(width, height);
    const CoverageMask ink = DrawGlyph(glyph, width, height);
    const TRect plateBox = PlateBox(width, height);
    return {.plain = PaintSet(ink, PlainLooks(), plateBox),
            .latched = PaintSet(ink, LatchedLooks(), plateBox)};
}

}  // namespace lg::art
