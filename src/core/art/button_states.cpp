#include "art/button_states.h"

#include <algorithm>

#include "art/art_colors.h"

namespace lg::art {

SetLooks PlainLooks() {
    return {.normal = {kInkNormal, 0},
            .down = {kInkHover, kPressedFill},
            .move = {kInkHover, kHoverFill}};
}

SetLooks LatchedLooks() {
    return {.normal = {kAccent, kPressedFill},
            .down = {Lighten(kAccent, 0.12), Lighten(kPressedFill, 0.04)},
            .move = {Lighten(kAccent, 0.25), Lighten(kPressedFill, 0.08)}};
}

TRect PlateBox(int width96, int height96, DisplayScale scale) {
    const int width = scale.Px(width96), height = scale.Px(height96), side = scale.Px(32);
    const int w = std::min(width, side), h = std::min(height, side);
    const int left = (width - w) / 2, top = (height - h) / 2;
    return {left, top, left + w, top + h};
}

StatePictures PaintSet(const CoverageMask& glyph, const SetLooks& looks, const Plate& plate,
                       TColor32 base) {
    const auto paint = [&](const StateLook& look) {
        return PaintState(glyph, look.ink, Plate{plate.box, plate.radius, look.plate}, base);
    };
    StatePictures set{.normal = paint(looks.normal),
                      .down = paint(looks.down),
                      .move = paint(looks.move),
                      .disabled = {}};
    set.disabled = Faded(set.normal, kDisabledAlpha);
    return set;
}

}  // namespace lg::art
