#include "raster/stroke.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lg {

namespace {

constexpr double kPi = std::numbers::pi;

// Directions closer than this (as |sin| of the turn) count as straight on:
// a turn of 1e-9 radians moves nothing by a visible amount.
constexpr double kStraight = 1e-9;

double SignedArea(const Contour& c) {
    double a = 0;
    for (std::size_t i = 0, j = c.size() - 1; i < c.size(); j = i++) {
        a += static_cast<double>(c[j].X) * c[i].Y - static_cast<double>(c[i].X) * c[j].Y;
    }
    return a / 2;
}

// Appends c turned so that its signed area is positive; flat pieces add
// nothing and are dropped.
void AddPiece(std::vector<Contour>& out, Contour c) {
    if (c.size() < 3) return;
    const double a = SignedArea(c);
    if (a == 0) return;
    if (a < 0) std::reverse(c.begin(), c.end());
    out.push_back(std::move(c));
}

Vec2 Unit(Vec2 v) {
    const double len = Length(v);
    return {v.x / len, v.y / len};
}

// Arc points from centre + r0 turned by `sweep` radians, both ends included.
void AppendArc(Contour& c, Vec2 centre, Vec2 r0, double sweep, double radius) {
    const int full = CircleVertexCount(radius);
    const int steps = std::max(1, static_cast<int>(std::ceil(std::abs(sweep) / (2 * kPi) * full)));
    for (int j = 0; j <= steps; ++j) {
        c.push_back(ToFloatPoint(centre + Rotate(r0, sweep * j / steps)));
    }
}

struct Turn {
    double side;   // +1: the outer side of the join is the Perp side; -1 the other
    double sense;  // direction in which the outer normal turns
    double angle;  // 0..pi
    bool straight;
};

Turn TurnAt(Vec2 d1, Vec2 d2) {
    const double cr = Cross(d1, d2), dt = Dot(d1, d2);
    Turn t{};
    t.angle = std::atan2(std::abs(cr), dt);
    t.straight = std::abs(cr) < kStraight && dt > 0;
    // Turning towards Perp (cross > 0) puts the outer side opposite it; the
    // outer normal then turns the same way as the direction. A full U-turn
    // (cross 0, dot < 0) is taken as a turn the other way.
    if (cr > 0) {
        t.side = -1;
        t.sense = 1;
    } else {
        t.side = 1;
        t.sense = -1;
    }
    return t;
}

// The wedge that fills the outer side of the join at v.
void AddJoin(std::vector<Contour>& out, Vec2 v, Vec2 d1, Vec2 d2, double hw,
             const StrokeStyle& style) {
    const Turn t = TurnAt(d1, d2);
    if (t.straight) return;
    const Vec2 o1 = Perp(d1) * (t.side * hw), o2 = Perp(d2) * (t.side * hw);
    Contour c{ToFloatPoint(v)};
    if (style.joins == jsRounded) {
        AppendArc(c, v, o1, t.sense * t.angle, hw);
    } else {
        c.push_back(ToFloatPoint(v + o1));
        const double cosHalf = std::cos(t.angle / 2);
        if (style.joins == jsMitered && cosHalf > 0 && 1 / cosHalf <= style.miterLimit) {
            const Vec2 bis = Unit(o1 + o2);
            c.push_back(ToFloatPoint(v + bis * (hw / cosHalf)));
        }
        c.push_back(ToFloatPoint(v + o2));
    }
    AddPiece(out, std::move(c));
}

// The half-disc beyond the end point e of a line arriving in direction d.
void AddRoundCap(std::vector<Contour>& out, Vec2 e, Vec2 d, double hw) {
    Contour c;
    AppendArc(c, e, Perp(d) * hw, -kPi, hw);
    AddPiece(out, std::move(c));
}

// One side of the outline: the left (Perp) offset of the path, with the
// joins on that side where it is the outer one.
void AppendSide(Contour& c, const std::vector<Vec2>& p, double hw, const StrokeStyle& style) {
    const std::size_t n = p.size();
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const Vec2 d = Unit(p[i + 1] - p[i]);
        const Vec2 off = Perp(d) * hw;
        if (i > 0) {
            const Vec2 dPrev = Unit(p[i] - p[i - 1]);
            const Turn t = TurnAt(dPrev, d);
            if (!t.straight && t.side > 0 && style.joins == jsRounded) {
                AppendArc(c, p[i], Perp(dPrev) * hw, t.sense * t.angle, hw);
            } else if (!t.straight && t.side > 0 && style.joins == jsMitered) {
                const double cosHalf = std::cos(t.angle / 2);
                if (cosHalf > 0 && 1 / cosHalf <= style.miterLimit)
                    c.push_back(ToFloatPoint(p[i] + Unit(Perp(dPrev) + Perp(d)) * (hw / cosHalf)));
            }
        }
        c.push_back(ToFloatPoint(p[i] + off));
        c.push_back(ToFloatPoint(p[i + 1] + off));
    }
}

}  // namespace

int CircleVertexCount(double radius) {
    if (!(radius > kCircleTolerance)) return 8;
    // An edge of angle a strays r(1 - cos(a/2)) from the circle.
    const double a = 2 * std::acos(1 - kCircleTolerance / radius);
    return std::clamp(static_cast<int>(std::ceil(2 * kPi / a)), 8, 1024);
}

Contour EllipsePolygon(double cx, double cy, double rx, double ry) {
    rx = std::abs(rx);
    ry = std::abs(ry);
    const int n = CircleVertexCount(std::max(rx, ry));
    // Vertices a little outside the curve and edge middles as far inside
    // (radius 2 / (1 + cos(pi / n)) times the true one), so the polygon
    // keeps the ellipse's area instead of falling short of it everywhere.
    const double grow = 2 / (1 + std::cos(kPi / n));
    Contour c;
    c.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const double a = 2 * kPi * i / n;
        c.push_back(ToFloatPoint(Vec2{cx + grow * rx * std::cos(a), cy + grow * ry * std::sin(a)}));
    }
    return c;
}

std::vector<Vec2> DistinctPoints(std::span<const Vec2> path, bool closed) {
    std::vector<Vec2> p;
    p.reserve(path.size());
    for (const Vec2& v : path) {
        if (p.empty() || !(p.back() == v)) p.push_back(v);
    }
    if (closed) {
        while (p.size() > 1 && p.back() == p.front()) p.pop_back();
    }
    return p;
}

std::vector<Contour> StrokePieces(std::span<const Vec2> path, const StrokeStyle& style) {
    std::vector<Contour> out;
    const std::vector<Vec2> p = DistinctPoints(path, style.closed);
    const double hw = style.width / 2;
    if (p.size() < 2 || !(hw > 0)) return out;
    const std::size_t n = p.size();
    const std::size_t segments = style.closed && n > 2 ? n : n - 1;
    out.reserve(segments * 2 + 2);
    auto at = [&](std::size_t i) { return p[i % n]; };
    for (std::size_t i = 0; i < segments; ++i) {
        const Vec2 a = at(i), b = at(i + 1);
        const Vec2 off = Perp(Unit(b - a)) * hw;
        AddPiece(out, Contour{ToFloatPoint(a + off), ToFloatPoint(b + off), ToFloatPoint(b - off),
                              ToFloatPoint(a - off)});
    }
    // Joins at every vertex between two segments.
    for (std::size_t i = 1; i < segments; ++i) {
        AddJoin(out, at(i), Unit(at(i) - at(i - 1)), Unit(at(i + 1) - at(i)), hw, style);
    }
    if (segments == n) {  // closed: the join where the path meets its start
        AddJoin(out, p[0], Unit(p[0] - p[n - 1]), Unit(p[1] - p[0]), hw, style);
    } else if (style.ends == esRounded) {
        AddRoundCap(out, p[n - 1], Unit(p[n - 1] - p[n - 2]), hw);
        AddRoundCap(out, p[0], Unit(p[0] - p[1]), hw);
    }
    return out;
}

std::vector<Contour> StrokeOutline(std::span<const Vec2> path, const StrokeStyle& style) {
    std::vector<Contour> out;
    std::vector<Vec2> p = DistinctPoints(path, style.closed);
    const double hw = style.width / 2;
    if (p.size() < 2 || !(hw > 0)) return out;
    std::vector<Vec2> rev(p.rbegin(), p.rend());
    if (style.closed && p.size() > 2) {
        // Two loops: each offset side of the closed path, back to its start.
        p.push_back(p.front());
        p.push_back(p[1]);
        rev.push_back(rev.front());
        rev.push_back(rev[1]);
        for (const auto* side : {&p, &rev}) {
            Contour c;
            AppendSide(c, *side, hw, style);
            out.push_back(std::move(c));
        }
        return out;
    }
    Contour c;
    const std::size_t n = p.size();
    AppendSide(c, p, hw, style);
    if (style.ends == esRounded)
        AppendArc(c, p[n - 1], Perp(Unit(p[n - 1] - p[n - 2])) * hw, -kPi, hw);
    AppendSide(c, rev, hw, style);
    if (style.ends == esRounded) AppendArc(c, p[0], Perp(Unit(p[0] - p[1])) * hw, -kPi, hw);
    out.push_back(std::move(c));
    return out;
}

}  // namespace lg
