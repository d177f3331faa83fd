// Filled ellipses (the stamp's disc, the selection's handles), thick open
// polylines (the text caret) and frames of whole pixels (window outlines,
// focus marks).
#pragma once

#include <span>

#include "raster/bitmap32.h"
#include "raster/geometry.h"
#include "raster/rasterizer.h"

namespace lg {

// The ellipse inscribed in r, filled with one colour (non-zero winding,
// anti-aliased, no outline), combined by dst's combine mode.
void FillEllipse(TBitmap32& dst, const TFloatRect& r, TColor32 color,
                 TAntialiasMode mode = am16times);

// The circle of `radius` pixels around a 16.16 fixed-point centre: the
// ellipse inscribed in (cx - r, cy - r, cx + r, cy + r).
void FillCircle(TBitmap32& dst, TFixedPoint centre, double radius, TColor32 color,
                TAntialiasMode mode = am16times);

// The points joined by an open line of `width` pixels in one colour (flat
// ends, bevelled joins), anti-aliased.
void ThickPolyline(TBitmap32& dst, std::span<const TFloatPoint> points, TColor32 color,
                   double width, TAntialiasMode mode = am16times);

// A frame `width` pixels thick just inside r, in one colour; its four
// strips never overlap, so a translucent colour blends once everywhere. A
// frame wider than half of r fills it.
void FillFrame(TBitmap32& dst, const TRect& r, int width, TColor32 color);

// A dotted frame just inside r, the way a keyboard focus is marked: squares
// of `dot` pixels, every other one painted, starting at each side's first
// corner; the top and bottom rows own the corners.
void FillDottedFrame(TBitmap32& dst, const TRect& r, int dot, TColor32 color);

}  // namespace lg
