#include "raster/shapes.h"

#include <algorithm>
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

void FillFrame(TBitmap32& dst, const TRect& r, int width, TColor32 color) {
    width = std::min({width, (r.Width() + 1) / 2, (r.Height() + 1) / 2});
    if (width <= 0) return;
    dst.FillRectTS(r.Left, r.Top, r.Right, r.Top + width, color);
    dst.FillRectTS(r.Left, r.Bottom - width, r.Right, r.Bottom, color);
    dst.FillRectTS(r.Left, r.Top + width, r.Left + width, r.Bottom - width, color);
    dst.FillRectTS(r.Right - width, r.Top + width, r.Right, r.Bottom - width, color);
}

void FillDottedFrame(TBitmap32& dst, const TRect& r, int dot, TColor32 color) {
    dot = std::min({dot, (r.Width() + 1) / 2, (r.Height() + 1) / 2});
    if (dot <= 0) return;
    for (int x = r.Left; x < r.Right; x += 2 * dot) {
        const int right = std::min(x + dot, r.Right);
        dst.FillRectTS(x, r.Top, right, r.Top + dot, color);
        dst.FillRectTS(x, r.Bottom - dot, right, r.Bottom, color);
    }
    // The sides between the rows, their first square clear of the corner's.
    for (int y = r.Top + 2 * dot; y < r.Bottom - dot; y += 2 * dot) {
        const int bottom = std::min(y + dot, r.Bottom - dot);
        dst.FillRectTS(r.Left, y, r.Left + dot, bottom, color);
        dst.FillRectTS(r.Right - dot, y, r.Right, bottom, color);
    }
}

}  // namespace lg
