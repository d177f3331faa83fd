#include "art/swatch_button.h"

#include "art/art_colors.h"
#include "art/button_states.h"
#include "art/paths.h"
#include "raster/blend.h"

namespace lg::art {

namespace {

constexpr double kHoleRadius = 3;
constexpr int kPlateInset = 3;

Contour HoleOutline(const TRect& hole, double radius, double grow) {
    return RoundedRect(hole.Left - grow, hole.Top - grow, hole.Right + grow, hole.Bottom + grow,
                       radius + grow);
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
                             const SetLooks& looks, const Plate& plate) {
    StatePictures set = PaintSet(ring, looks, plate, kPanelSurface);
    for (TBitmap32* picture : {&set.normal, &set.down, &set.move}) CutHole(*picture, hole);
    set.disabled = DisabledSwatch(set.normal);
    return set;
}

}  // namespace

TRect SwatchHole(int width96, int height96, DisplayScale scale) {
    return scale.Rect(
        {kSwatchInset, kSwatchInset, width96 - kSwatchInset, height96 - kSwatchInset});
}

ButtonArt DrawSwatchButton(int width96, int height96, DisplayScale scale) {
    const int width = scale.Px(width96), height = scale.Px(height96);
    const TRect hole = SwatchHole(width96, height96, scale);
    const double radius = scale.PxD(kHoleRadius);
    // The ring is a whole number of pixels wide, so it stays crisp on the
    // hole's whole-pixel edges at any scale.
    const double ringWidth = scale.Px(1);
    CoverageMask ring(width, height), holeMask(width, height);
    if (!hole.IsEmpty()) {
        // Outer and reversed inner outline in one shape make the ring.
        ring.Add(
            Shape{HoleOutline(hole, radius, ringWidth), Reversed(HoleOutline(hole, radius, 0))});
        holeMask.Add(Shape{HoleOutline(hole, radius, 0)});
    }
    const Plate plate{
        scale.Rect({kPlateInset, kPlateInset, width96 - kPlateInset, height96 - kPlateInset}),
        scale.PxD(kPlateRadius)};
    return {.plain = PaintSwatchSet(ring, holeMask, PlainLooks(), plate),
            .latched = PaintSwatchSet(ring, holeMask, LatchedLooks(), plate)};
}

}  // namespace lg::art
