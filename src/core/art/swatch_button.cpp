#include "art/swatch_button.h"

#include "art/art_colors.h"
#include "art/button_states.h"
#include "art/paths.h"
#include "raster/blend.h"

namespace lg::art {

namespace {

constexpr double kHoleRadius = 3;
constexpr int kPlateInset = 3;

Contour HoleOutline(const TRect& hole, double grow) {
    return RoundedRect(hole.Left - grow, hole.Top - grow, hole.Right + grow, hole.Bottom + grow,
                       kHoleRadius + grow);
}

// The button seen at 40 % over the panel: the panel laid at 60 % over the
// normal picture, so inside the hole the colour still shows, dimmed like
// the ink.
TBitmap32 DisabledSwatch(const TBitmap32& normal) {
    TBitmap32 picture(normal);
    const TColor32 veil = WithAlpha(kPanelSurface, 255 - kDisabledAlpha);
    for (TColor32& p : picture.Pixels()) p = Merge(veil, p);
    return picture;
}

StatePictures PaintSwatchSet(const CoverageMask& ring, const CoverageMask& hole,
                             const SetLooks& looks, const TRect& plateBox) {
    StatePictures set = PaintSet(ring, looks, plateBox, kPanelSurface);
    for (TBitmap32* picture : {&set.normal, &set.down, &set.move}) CutHole(*picture, hole);
    set.disabled = DisabledSwatch(set.normal);
    return set;
}

}  // namespace

TRect SwatchHole(int width, int height) {
    return {kSwatchInset, kSwatchInset, width - kSwatchInset, height - kSwatchInset};
}

ButtonArt DrawSwatchButton(int width, int height) {
    const TRect hole = SwatchHole(width, height);
    CoverageMask ring(width, height), holeMask(width, height);
    if (!hole.IsEmpty()) {
        // Outer and reversed inner outline in one shape make the ring.
        ring.Add(Shape{HoleOutline(hole, 1), Reversed(HoleOutline(hole, 0))});
        holeMask.Add(Shape{HoleOutline(hole, 0)});
    }
    const TRect plateBox{kPlateInset, kPlateInset, width - kPlateInset, height - kPlateInset};
    return {.plain = PaintSwatchSet(ring, holeMask, PlainLooks(), plateBox),
            .latched = PaintSwatchSet(ring, holeMask, LatchedLooks(), plateBox)};
}

}  // namespace lg::art
