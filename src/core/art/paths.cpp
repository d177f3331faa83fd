#include "art/paths.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "raster/stroke.h"

namespace lg::art {

namespace {

constexpr double kPi = std::numbers::pi;

double SignedArea(const Contour& c) {
    double a = 0;
    for (std::size_t i = 0, j = c.size() - 1; i < c.size(); j = i++) {
        a += static_cast<double>(c[j].X) * c[i].Y - static_cast<double>(c[i].X) * c[j].Y;
    }
    return a / 2;
}

// The orientation the stroker gives its pieces (positive area), so filled
// contours and strokes add up in one shape.
Contour Oriented(Contour c) {
    if (c.size() >= 3 && SignedArea(c) < 0) std::reverse(c.begin(), c.end());
    return c;
}

void AppendArc(Contour& c, Vec2 centre, double radius, double from, double to) {
    for (const Vec2& p : ArcPoints(centre, radius, from, to)) c.push_back(ToFloatPoint(p));
}

}  // namespace

Shape StrokePath(std::span<const Vec2> path, double width, bool closed) {
    StrokeStyle style;
    style.width = width;
    style.ends = esRounded;
    style.joins = jsRounded;
    style.closed = closed;
    return StrokePieces(path, style);
}

Shape StrokePath(std::initializer_list<Vec2> path, double width, bool closed) {
    return StrokePath(std::span<const Vec2>(path.begin(), path.size()), width, closed);
}

Contour Polygon(std::span<const Vec2> points) {
    Contour c;
    c.reserve(points.size());
    for (const Vec2& p : points) c.push_back(ToFloatPoint(p));
    return Oriented(std::move(c));
}

Contour Polygon(std::initializer_list<Vec2> points) {
    return Polygon(std::span<const Vec2>(points.begin(), points.size()));
}

Contour RoundedRect(double left, double top, double right, double bottom, double radius) {
    radius = std::clamp(radius, 0.0, std::min(right - left, bottom - top) / 2);
    if (radius <= 0) return Polygon({{left, top}, {right, top}, {right, bottom}, {left, bottom}});
    Contour c;
    AppendArc(c, {right - radius, top + radius}, radius, -90, 0);
    AppendArc(c, {right - radius, bottom - radius}, radius, 0, 90);
    AppendArc(c, {left + radius, bottom - radius}, radius, 90, 180);
    AppendArc(c, {left + radius, top + radius}, radius, 180, 270);
    return Oriented(std::move(c));
}

Contour Circle(Vec2 centre, double radius) {
    return Oriented(EllipsePolygon(centre.x, centre.y, radius, radius));
}

std::vector<Vec2> ArcPoints(Vec2 centre, double radius, double fromDegrees, double toDegrees) {
    const double sweep = (toDegrees - fromDegrees) * kPi / 180;
    const double from = fromDegrees * kPi / 180;
    const int full = CircleVertexCount(radius);
    const int steps = std::max(1, static_cast<int>(std::ceil(std::abs(sweep) / (2 * kPi) * full)));
    std::vector<Vec2> points;
    points.reserve(static_cast<std::size_t>(steps) + 1);
    for (int i = 0; i <= steps; ++i) {
        const double a = from + sweep * i / steps;
        points.push_back({centre.x + radius * std::cos(a), centre.y + radius * std::sin(a)});
    }
    return points;
}

void Append(Shape& shape, Shape more) {
    for (Contour& c : more) shape.push_back(std::move(c));
}

void Append(Shape& shape, Contour more) {
    shape.push_back(std::move(more));
}

void Translate(Shape& shape, double dx, double dy) {
    const auto fx = static_cast<float>(dx), fy = static_cast<float>(dy);
    for (Contour& c : shape) {
        for (TFloatPoint& p : c) {
            p.X += fx;
            p.Y += fy;
        }
    }
}

Contour Reversed(Contour c) {
    std::reverse(c.begin(), c.end());
    return c;
}

}  // namespace lg::art
