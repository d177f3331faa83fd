#include "art/star_art.h"

#include <cmath>
#include <numbers>

#include "art/art_colors.h"
#include "art/ink.h"
#include "art/paths.h"
#include "art/picture_ops.h"

namespace lg::art {
namespace {

// At 96 DPI: the points reach 17 px from the middle of a 40 px button,
// leaving room for the outline's anti-aliased edge. The notches at 0.5 of
// the points make a fuller star than the regular pentagram (0.38), easier
// to hit and to read as lit at 16 px.
constexpr double kOuterRadius96 = 17;
constexpr double kInnerRatio = 0.5;
constexpr double kOutline96 = 1.5;

TBitmap32 StarPicture(int side, const std::vector<Vec2>& points, TColor32 fill, TColor32 edge,
                      double edgeWidth) {
    TBitmap32 picture(side, side);
    picture.Clear(0);
    const Shape body{Polygon(points)};
    InkShape(picture, body, fill);
    if (AlphaOf(edge) != 0) InkShape(picture, StrokePath(points, edgeWidth, true), edge);
    picture.SetDrawMode(dmBlend);
    return picture;
}

}  // namespace

std::vector<Vec2> StarPoints(Vec2 centre, double outer, double inner) {
    std::vector<Vec2> points;
    points.reserve(10);
    for (int i = 0; i < 10; ++i) {
        // From straight up, 36 degrees a corner; y grows downwards, so a
        // growing angle turns clockwise on screen.
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const double r = i % 2 == 0 ? outer : inner;
        points.push_back(Vec2{centre.x + r * std::cos(angle), centre.y + r * std::sin(angle)});
    }
    return points;
}

ButtonArt DrawStarButton(int size96, DisplayScale scale) {
    const int side = scale.Px(size96);
    const double middle = side / 2.0;
    const double outer = scale.PxD(kOuterRadius96 * size96 / kStarButtonSize);
    const std::vector<Vec2> points = StarPoints({middle, middle}, outer, outer * kInnerRatio);
    const double edge = scale.PxD(kOutline96);

    StatePictures unlit{.normal = StarPicture(side, points, kHoverFill, kOutline, edge),
                        .down = StarPicture(side, points, kPressedFill, kOutline, edge),
                        .move = StarPicture(side, points, kHoverFill, kInkNormal, edge),
                        .disabled = {}};
    unlit.disabled = Faded(unlit.normal, kDisabledAlpha);
    StatePictures lit{.normal = StarPicture(side, points, kAccent, 0, 0),
                      .down = StarPicture(side, points, Darken(kAccent, 0.12), 0, 0),
                      .move = StarPicture(side, points, Lighten(kAccent, 0.12), 0, 0),
                      .disabled = {}};
    lit.disabled = Faded(lit.normal, kDisabledAlpha);
    for (TBitmap32* b : {&unlit.disabled, &lit.disabled}) b->SetDrawMode(dmBlend);
    return {.plain = unlit, .latched = lit};
}

}  // namespace lg::art
