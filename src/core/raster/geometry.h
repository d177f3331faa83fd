// Coordinate types of the raster engine: integer rectangles, 16.16 fixed
// point, float points and rectangles, and the double vector the stroker
// computes with.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace lg {

// Integer rectangle; Right and Bottom are exclusive.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    // Inverted rectangles are empty too.
    constexpr bool IsEmpty() const { return Left >= Right || Top >= Bottom; }
    friend constexpr bool operator==(const TRect&, const TRect&) = default;
};

constexpr TRect Rect(int left, int top, int right, int bottom) {
    return TRect{left, top, right, bottom};
}

// The common part of two rectangles; empty (all zero) when they do not meet.
constexpr TRect IntersectRect(const TRect& a, const TRect& b) {
    TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
            std::min(a.Bottom, b.Bottom)};
    return r.IsEmpty() ? TRect{} : r;
}

// 16.16 fixed point: the integer part in the upper 16 bits. The tools pass
// pixel n as n << 16.
using TFixed = std::int32_t;
inline constexpr TFixed kFixedOne = 1 << 16;

constexpr TFixed Fixed(int n) {
    return static_cast<TFixed>(static_cast<std::uint32_t>(n) << 16);
}
constexpr double FixedToDouble(TFixed f) {
    return f / 65536.0;
}

struct TFixedPoint {
    TFixed X = 0;
    TFixed Y = 0;
    friend constexpr bool operator==(const TFixedPoint&, const TFixedPoint&) = default;
};

constexpr TFixedPoint FixedPoint(int x, int y) {
    return TFixedPoint{Fixed(x), Fixed(y)};
}

struct TFloatPoint {
    float X = 0;
    float Y = 0;
    friend constexpr bool operator==(const TFloatPoint&, const TFloatPoint&) = default;
};

// Left, Top, Right, Bottom as 32-bit floats (layer locations).
struct TFloatRect {
    float Left = 0;
    float Top = 0;
    float Right = 0;
    float Bottom = 0;
    friend constexpr bool operator==(const TFloatRect&, const TFloatRect&) = default;
};

// Width and height of something measured (a text extent).
struct TSize {
    int cx = 0;
    int cy = 0;
    friend constexpr bool operator==(const TSize&, const TSize&) = default;
};

// One closed contour of a polygon; the last point joins the first.
using Contour = std::vector<TFloatPoint>;

// Plain 2-D vector in double precision for geometry (stroking, arrow heads).
struct Vec2 {
    double x = 0;
    double y = 0;

    friend constexpr Vec2 operator+(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }
    friend constexpr Vec2 operator-(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
    friend constexpr Vec2 operator*(Vec2 a, double s) { return {a.x * s, a.y * s}; }
    friend constexpr Vec2 operator*(double s, Vec2 a) { return {a.x * s, a.y * s}; }
    friend constexpr bool operator==(const Vec2&, const Vec2&) = default;
};

constexpr double Dot(Vec2 a, Vec2 b) {
    return a.x * b.x + a.y * b.y;
}
constexpr double Cross(Vec2 a, Vec2 b) {
    return a.x * b.y - a.y * b.x;
}
inline double Length(Vec2 a) {
    return std::hypot(a.x, a.y);
}
// a turned by +90 degrees (counter-clockwise in a y-up frame).
constexpr Vec2 Perp(Vec2 a) {
    return {-a.y, a.x};
}
inline Vec2 Rotate(Vec2 a, double radians) {
    double c = std::cos(radians), s = std::sin(radians);
    return {a.x * c - a.y * s, a.x * s + a.y * c};
}

inline Vec2 ToVec2(TFixedPoint p) {
    return {FixedToDouble(p.X), FixedToDouble(p.Y)};
}
inline TFloatPoint ToFloatPoint(Vec2 p) {
    return {static_cast<float>(p.x), static_cast<float>(p.y)};
}

}  // namespace lg
