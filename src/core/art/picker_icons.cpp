#include "art/picker_icons.h"

#include "art/art_colors.h"
#include "art/coverage_mask.h"
#include "art/paths.h"
#include "art/picture_ops.h"

namespace lg::art {

namespace {

// The chevron at 96 DPI: its arms' reach from the middle across and up,
// and its stroke.
constexpr double kChevronHalfWidth = 4;
constexpr double kChevronHalfHeight = 2;
constexpr double kChevronStroke = 1.5;

}  // namespace

TBitmap32 DrawWidthIcon(bool thick, DisplayScale scale) {
    const TSize size = scale.Size(thick ? kThickWidthIconSize : kThinWidthIconSize);
    // The stroke's width in whole pixels and its top edge on a whole row,
    // so it stays crisp: at 96 DPI the thin one on row 3, the thick one on
    // rows 4 to 7. Beside the slider (the thin icon 4 px below its top, the
    // thick one 2 px) both sit on its middle, the thin one just above.
    const int stroke = scale.Px(thick ? 4 : 1);
    const int top = scale.Px(thick ? 4 : 3);
    const double middle = top + stroke / 2.0, cap = stroke / 2.0;
    CoverageMask mask(size.cx, size.cy);
    mask.Add(StrokePath({{cap, middle}, {size.cx - cap, middle}}, stroke));
    TBitmap32 picture = PaintState(mask, kInkNormal, Plate{});
    picture.SetDrawMode(dmBlend);
    return picture;
}

ComboButtonPictures DrawComboButton(int size96, TColor32 fill, DisplayScale scale) {
    const int side = scale.Px(size96);
    const double middle = side / 2.0;
    const double dx = scale.PxD(kChevronHalfWidth), dy = scale.PxD(kChevronHalfHeight);
    CoverageMask chevron(side, side);
    chevron.Add(
        StrokePath({{middle - dx, middle - dy}, {middle, middle + dy}, {middle + dx, middle - dy}},
                   scale.PxD(kChevronStroke)));
    return {.normal = PaintState(chevron, kInkNormal, Plate{}, fill),
            .down = PaintState(chevron, kInkHover, Plate{}, kPressedFill),
            .move = PaintState(chevron, kInkHover, Plate{}, fill)};
}

}  // namespace lg::art
