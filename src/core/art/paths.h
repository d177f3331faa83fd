// Building blocks of the artwork's shapes: strokes with round ends and
// joins, rounded rectangles, circles and arcs. Coordinates are pixels with
// pixel (x, y) covering [x, x+1) x [y, y+1): a 2 px horizontal stroke lies
// crisp on whole-number y, a 1 px one on y + 0.5.
#pragma once

#include <initializer_list>
#include <span>
#include <vector>

#include "art/coverage_mask.h"
#include "raster/geometry.h"

namespace lg::art {

// The stroke of the icons: `width` wide, round caps and joins.
Shape StrokePath(std::span<const Vec2> path, double width, bool closed = false);
Shape StrokePath(std::initializer_list<Vec2> path, double width, bool closed = false);

// A convex or simple polygon, turned the way every other contour is.
Contour Polygon(std::span<const Vec2> points);
Contour Polygon(std::initializer_list<Vec2> points);

// The rectangle [left, right) x [top, bottom) with corners of `radius`
// (0 gives square corners).
Contour RoundedRect(double left, double top, double right, double bottom, double radius);

Contour Circle(Vec2 centre, double radius);

// Points along the circle arc around `centre` from `fromDegrees` to
// `toDegrees` (y grows downwards, so positive angles turn clockwise on
// screen), both ends included, dense enough that no facet shows.
std::vector<Vec2> ArcPoints(Vec2 centre, double radius, double fromDegrees, double toDegrees);

// Appends `more` to `shape`.
void Append(Shape& shape, Shape more);
void Append(Shape& shape, Contour more);

// Every point moved by (dx, dy).
void Translate(Shape& shape, double dx, double dy);

// Contour turned backwards: inside a shape it cancels the winding of what
// it overlaps, so an outer contour and a reversed inner one make a ring.
Contour Reversed(Contour c);

}  // namespace lg::art
