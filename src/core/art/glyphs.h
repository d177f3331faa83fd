// The glyphs of the icon buttons as coverage, before any state colours
// them.
#pragma once

#include "art/button_art.h"
#include "art/coverage_mask.h"
#include "dpi/display_scale.h"

namespace lg::art {

// The side of the square every glyph is designed in, in 96-DPI pixels; it
// sits centred in its button (rounded down to whole pixels, so strokes
// placed on whole or half pixels in the box stay crisp in the button).
inline constexpr int kGlyphBox = 20;

// Where the glyph box lies in a button of `width96` x `height96` (96-DPI
// pixels) drawn at `scale`, in the drawn picture's pixels.
TRect GlyphBox(int width96, int height96, DisplayScale scale);

// The glyph's ink over a `width96` x `height96` button drawn at `scale`: a
// mask of the scaled size. Glyph::Color has no ink of its own here (the
// colour button is drawn as a frame elsewhere).
CoverageMask DrawGlyph(Glyph glyph, int width96, int height96, DisplayScale scale = {});

}  // namespace lg::art
