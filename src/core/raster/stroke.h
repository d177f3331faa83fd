// Thick-line geometry: the polygons that make a polyline of a given width,
// with its joins and end caps, and circle approximations.
//
// A stroke is built as a union of convex pieces, all turned the same way
// round: one rectangle per segment, one wedge (bevel, miter or pie slice)
// on the outer side of every join, one half-disc per rounded end. Filled
// together by the non-zero winding rule their winding numbers only add, so
// the stroke covers each pixel once even where it crosses or retraces
// itself, and inner corners need no special care.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "raster/geometry.h"

namespace lg {

enum TEndStyle : std::uint8_t {
    esButt,     // flat, cut exactly at the end points
    esRounded,  // a half-disc of radius width / 2 beyond each end point
};

enum TJoinStyle : std::uint8_t {
    jsBevelled,  // the outer corners of the two segments joined straight
    jsRounded,   // a circular arc of radius width / 2 around the vertex
    jsMitered,   // the outer edges extended to meet, bevelled beyond the miter limit
};

struct StrokeStyle {
    double width = 1.0;
    TEndStyle ends = esButt;
    TJoinStyle joins = jsBevelled;
    // Longest miter, as a multiple of half the width, before it is bevelled.
    double miterLimit = 2.0;
    // A closed path joins its last point to its first and has no ends.
    bool closed = false;
};

// Allowed distance of a circle polygon's edges from the true circle: 1/16
// pixel, one sub-sample row of the coarser anti-aliasing mode, so the
// facets cannot show.
inline constexpr double kCircleTolerance = 1.0 / 16.0;

// Vertices of a full circle of this radius so that no edge strays more than
// kCircleTolerance from it (at least 8, at most 1024).
int CircleVertexCount(double radius);

// The polygon of the ellipse with centre (cx, cy) and radii rx, ry: its
// vertices lie just outside the ellipse and its edges cross it, so it
// strays at most half as far as CircleVertexCount allows, either way.
Contour EllipsePolygon(double cx, double cy, double rx, double ry);

// `path` without consecutive repeats (and, when closed, without a last
// point equal to the first).
std::vector<Vec2> DistinctPoints(std::span<const Vec2> path, bool closed = false);

// The stroke as convex pieces of one orientation (see the top of this
// file). Fewer than two distinct points, or a width <= 0, give nothing.
std::vector<Contour> StrokePieces(std::span<const Vec2> path, const StrokeStyle& style);

// The boundary of an open stroke as one closed contour: the left offset
// forwards, the end cap, the right offset backwards, the start cap (for a
// closed path: the two offset loops). Used to outline a thick line; at
// sharp inner corners the offsets overlap a little.
std::vector<Contour> StrokeOutline(std::span<const Vec2> path, const StrokeStyle& style);

}  // namespace lg
