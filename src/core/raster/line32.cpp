#include "raster/line32.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "raster/polygon_fill.h"

namespace lg {

namespace {

// Pen widths below this outline the head with its edge instead of a ring.
constexpr float kMinRingWidth = 1.5f;
// The width of an edge or outline drawn "one pixel wide".
constexpr double kEdgeWidth = 1.0;

Vec2 Unit(Vec2 v) {
    const double len = Length(v);
    return {v.x / len, v.y / len};
}

}  // namespace

Contour ArrowGeometry::Polygon() const {
    return Contour{ToFloatPoint(base), ToFloatPoint(barb1), ToFloatPoint(tip), ToFloatPoint(barb2)};
}

ArrowGeometry EndArrowGeometry(std::span<const Vec2> points, double size, double penWidth) {
    ArrowGeometry g;
    const std::size_t n = points.size();
    g.tip = points[n - 1];
    double remaining = size + penWidth;
    bool found = false;
    for (std::size_t i = n - 1; i > 0; --i) {
        const Vec2 a = points[i], b = points[i - 1];
        const double len = Length(b - a);
        if (remaining <= len) {
            g.base = a + (b - a) * (remaining / len);
            g.shaft.assign(points.begin(), points.begin() + static_cast<std::ptrdiff_t>(i));
            g.shaft.push_back(g.base);
            found = true;
            break;
        }
        remaining -= len;
    }
    if (!found) {
        // Shorter than the head: B lies beyond the first point.
        g.base = points[0] + Unit(points[0] - points[1]) * remaining;
        g.shaft = {points[0], g.base};
    }
    const Vec2 back = Unit(g.base - g.tip);
    const double barb = size / std::numbers::sqrt3;
    g.barb1 = g.base + Rotate(back, std::numbers::pi / 3) * barb;
    g.barb2 = g.base + Rotate(back, -std::numbers::pi / 3) * barb;
    return g;
}

void TLine32::AddPoint(TFixedPoint p) {
    if (points_.empty() || !(points_.back() == p)) points_.push_back(p);
}

void TLine32::AddPoints(std::span<const TFixedPoint> points) {
    for (const TFixedPoint& p : points) AddPoint(p);
}

void TLine32::SetPoints(std::span<const TFixedPoint> points) {
    points_.assign(points.begin(), points.end());
}

void TLine32::DrawHead(TBitmap32& bitmap, const TArrowHead& head, const ArrowGeometry& g) const {
    const Contour polygon = g.Polygon();
    FillPolygon(bitmap, polygon, head.Color, AntialiasMode);
    if (AlphaOf(head.Pen.Color) == 0) return;
    std::vector<Vec2> ring{g.base, g.barb1, g.tip, g.barb2};
    StrokeStyle style;
    style.width = head.Pen.Width >= kMinRingWidth ? head.Pen.Width : kEdgeWidth;
    style.joins = JoinStyle;
    style.miterLimit = MiterLimit;
    style.closed = true;
    FillPolygons(bitmap, StrokePieces(ring, style), head.Pen.Color, AntialiasMode);
}

void TLine32::Draw(TBitmap32* bitmap, TColor32 fill, TColor32 outline, float width) {
    if (bitmap == nullptr || points_.size() < 2) return;
    if (width > 0) LineWidth = width;
    std::vector<Vec2> raw;
    raw.reserve(points_.size());
    for (const TFixedPoint& p : points_) raw.push_back(ToVec2(p));
    std::vector<Vec2> shaft = DistinctPoints(raw);
    if (shaft.size() < 2) return;

    auto drawn = [](const TArrowHead& h) { return h.Style != asNone && h.Size >= kMinArrowSize; };
    std::optional<ArrowGeometry> endHead, startHead;
    if (drawn(ArrowEnd)) {
        endHead = EndArrowGeometry(shaft, ArrowEnd.Size, ArrowEnd.Pen.Width);
        shaft = DistinctPoints(endHead->shaft);
    }
    if (drawn(ArrowStart) && shaft.size() >= 2) {
        std::vector<Vec2> reversed(shaft.rbegin(), shaft.rend());
        startHead = EndArrowGeometry(reversed, ArrowStart.Size, ArrowStart.Pen.Width);
        shaft.assign(startHead->shaft.rbegin(), startHead->shaft.rend());
        shaft = DistinctPoints(shaft);
    }

    StrokeStyle style;
    style.width = LineWidth;
    style.ends = EndStyle;
    style.joins = JoinStyle;
    style.miterLimit = MiterLimit;
    FillPolygons(*bitmap, StrokePieces(shaft, style), fill, AntialiasMode);
    if (AlphaOf(outline) != 0) {
        StrokeStyle edge;
        edge.width = kEdgeWidth;
        edge.closed = true;
        std::vector<Contour> pieces;
        for (const Contour& c : StrokeOutline(shaft, style)) {
            std::vector<Vec2> loop;
            for (const TFloatPoint& p : c) loop.push_back({p.X, p.Y});
            std::vector<Contour> more = StrokePieces(loop, edge);
            pieces.insert(pieces.end(), more.begin(), more.end());
        }
        FillPolygons(*bitmap, pieces, outline, AntialiasMode);
    }
    if (startHead) DrawHead(*bitmap, ArrowStart, *startHead);
    if (endHead) DrawHead(*bitmap, ArrowEnd, *endHead);
}

}  // namespace lg
