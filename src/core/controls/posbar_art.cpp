#include "controls/posbar_art.h"

#include "art/art_colors.h"
#include "art/paths.h"
#include "art/picture_ops.h"

namespace lg {

TBitmap32 PosbarThumbPicture(DisplayScale scale) {
    const int side = scale.Px(kPosbarThumbSize);
    const double half = side / 2.0;
    art::CoverageMask disc(side, side);
    disc.Add(art::Shape{art::Circle({half, half}, half - scale.PxD(1))});
    // The plate, rounded to a circle, is the ring behind the disc.
    const art::Plate ring{TRect{0, 0, side, side}, half, art::kPanelSurface};
    TBitmap32 picture = art::PaintState(disc, art::kInkNormal, ring);
    picture.SetDrawMode(dmBlend);
    return picture;
}

TBitmap32 PosbarCutHandlePicture(bool left, DisplayScale scale) {
    const int side = scale.Px(kPosbarCutHandleSize);
    const double s = side;
    art::CoverageMask wedge(side, side);
    if (left) {
        wedge.Add(art::Shape{art::Polygon({{s, 0}, {s, s}, {0, s}})});
    } else {
        wedge.Add(art::Shape{art::Polygon({{0, 0}, {s, s}, {0, s}})});
    }
    TBitmap32 picture = art::PaintState(wedge, art::kAccent, art::Plate{});
    picture.SetDrawMode(dmBlend);
    return picture;
}

}  // namespace lg
