#include "art/glyph_pen.h"

namespace lg::art {

std::vector<Vec2> GlyphPen::Scaled(std::span<const Vec2> points) const {
    std::vector<Vec2> out;
    out.reserve(points.size());
    for (const Vec2& p : points) out.push_back(p * scale_);
    return out;
}

Shape GlyphPen::Stroke(std::span<const Vec2> path, double width, bool closed) const {
    return StrokePath(Scaled(path), width * scale_, closed);
}

Contour GlyphPen::Polygon(std::span<const Vec2> points) const {
    return art::Polygon(Scaled(points));
}

std::vector<Vec2> GlyphPen::Arc(Vec2 centre, double radius, double fromDegrees,
                                double toDegrees) const {
    std::vector<Vec2> points = ArcPoints(centre * scale_, radius * scale_, fromDegrees, toDegrees);
    for (Vec2& p : points) p = {p.x / scale_, p.y / scale_};
    return points;
}

}  // namespace lg::art
