#include "raster/shapes.h"

#include <vector>

#include "raster/polygon_fill.h"
#include "raster/stroke.h"

namespace lg {

void FillEllipse(TBitmap32& dst, const TFloatRect& r, TColor32 color, TAntialiasMode mode) {
    const double cx = (static_cast<double>(r.Left) + r.Right) / 2;
    const double cy = (static_cast<double>(r.Top) + r.Bottom) / 2;
    const double rx = (static_cast<double>(r.Right) - r.Left) / 2;
    const double ry = (static_cast<double>(r.Bottom) - r.Top) / 2;
    if (rx == 0 || ry == 0) return;
    FillPolygon(dst, EllipsePolygon(cx, cy, rx, ry), color, mode);
}

void FillCircle(TBitmap32& dst, TFixedPoint centre, double radius, TColor32 color,
                TAntialiasMode mode) {
    if (!(radius > 0)) return;
    const Vec2 c = ToVec2(centre);
    FillPolygon(dst, EllipsePolygon(c.x, c.y, radius, radius), color, mode);
}

void ThickPolyline(TBitmap32& dst, std::span<const TFloatPoint> points, TColor32 color,
                   double width, TAntialiasMode mode) {
    std::vector<Vec2> path;
    path.reserve(points.size());
    for (const TFloatPoint& p : points) path.push_back({p.X, p.Y});
    StrokeStyle style;
    style.width = width;
    FillPolygons(dst, StrokePieces(path, style), color, mode);
}

}  // namespace lg
