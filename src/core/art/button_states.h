// The state rules every icon button follows: which ink and which plate
// each of the eight pictures has.
#pragma once

#include "art/button_art.h"
#include "art/coverage_mask.h"
#include "art/picture_ops.h"
#include "dpi/display_scale.h"

namespace lg::art {

// Ink and plate colour of one state; a plate of alpha 0 is left out.
struct StateLook {
    TColor32 ink;
    TColor32 plate;
};

struct SetLooks {
    StateLook normal;
    StateLook down;
    StateLook move;
};

// Not latched: light ink, white with the hover plate under the pointer,
// on the pressed plate while held.
SetLooks PlainLooks();
// Latched: accent ink on the pressed plate; hover and press lift both a
// little so the pointer still gets an answer.
SetLooks LatchedLooks();

// The rounded 32 x 32 plate centred in a `width96` x `height96` button (the
// whole side when the button is smaller), in the pixels of `scale`.
TRect PlateBox(int width96, int height96, DisplayScale scale = {});
inline constexpr double kPlateRadius = 4;

// The four pictures of one set: `glyph` inked over `base`, plates of
// `plate`'s box and radius (its colour is the state's), disabled = normal
// at 40 %.
StatePictures PaintSet(const CoverageMask& glyph, const SetLooks& looks, const Plate& plate,
                       TColor32 base = 0);

}  // namespace lg::art
