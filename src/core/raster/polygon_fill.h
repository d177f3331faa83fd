// Anti-aliased polygon fill: coverage from the rasterizer put onto a bitmap.
#pragma once

#include <span>

#include "raster/bitmap32.h"
#include "raster/geometry.h"
#include "raster/rasterizer.h"

namespace lg {

// Fills the shape made of `contours` (non-zero winding over all of them, so
// each pixel is combined once however often the contours overlap) with
// `color`, clipped to dst's clip rectangle. A pixel of coverage c (0..255)
// gets the colour with its alpha scaled to W = round(alpha * c / 255),
// combined by dst's combine mode: blended with weight W, or merged. A
// colour of alpha 0 draws nothing.
void FillPolygons(TBitmap32& dst, std::span<const Contour> contours, TColor32 color,
                  TAntialiasMode mode = am16times);
void FillPolygon(TBitmap32& dst, std::span<const TFloatPoint> points, TColor32 color,
                 TAntialiasMode mode = am16times);

}  // namespace lg
