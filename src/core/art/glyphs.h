// The glyphs of the icon buttons as coverage, before any state colours
// them.
#pragma once

#include "art/button_art.h"
#include "art/coverage_mask.h"

namespace lg::art {

// The side of the square every glyph is designed in; it sits centred in its
// button (rounded down to whole pixels, so strokes placed on whole or half
// pixels in the box stay crisp in the button).
inline constexpr int kGlyphBox = 20;

// The glyph's ink over a `width` x `height` button. Glyph::Color has no
// ink of its own here (the colour button is drawn as a frame elsewhere).
CoverageMask DrawGlyph(Glyph glyph, int width, int height);

}  // namespace lg::art
