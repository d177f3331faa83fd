// TLine32: a polyline drawn as a thick, anti-aliased line with optional
// arrow heads.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "raster/bitmap32.h"
#include "raster/geometry.h"
#include "raster/rasterizer.h"
#include "raster/stroke.h"

namespace lg {

enum TArrowHeadStyle : std::uint8_t { asNone, asFourPoint };

struct TArrowPen {
    TColor32 Color = 0xFF000000u;
    float Width = 1.0f;
};

// An arrow head at one end of a line.
struct TArrowHead {
    TArrowHeadStyle Style = asNone;
    float Size = 12.0f;
    TColor32 Color = 0xFF000000u;  // fill
    TArrowPen Pen;                 // ring (width >= 1.5) or edge around the head
};

// Heads smaller than this are not drawn (and do not shorten the shaft).
inline constexpr float kMinArrowSize = 4.0f;

// The four-point head at the end of a line, and the shaft that leads to it.
struct ArrowGeometry {
    Vec2 tip;                 // T: the line's last point
    Vec2 base;                // B: size + pen width back from T along the line; the notch
    Vec2 barb1;               // P1, P2: size / sqrt(3) from B, the direction T->B turned
    Vec2 barb2;               //         by +60 and -60 degrees
    std::vector<Vec2> shaft;  // the line's points up to B instead of T
    // The head polygon B, P1, T, P2.
    Contour Polygon() const;
};

// The head for the end of `points` (consecutive points distinct, at least
// two). B is measured back along the line; when the line is shorter, it
// lies beyond the first point, on the line through the first two.
ArrowGeometry EndArrowGeometry(std::span<const Vec2> points, double size, double penWidth);

// A polyline renderer. Points are 16.16 fixed point (pixel n is n << 16;
// pixel (x, y) covers the square [x, x+1) x [y, y+1)). The settings below
// are plain fields, read when Draw runs.
class TLine32 {
public:
    float LineWidth = 1.0f;
    TEndStyle EndStyle = esButt;
    TJoinStyle JoinStyle = jsBevelled;
    float MiterLimit = 2.0f;
    TAntialiasMode AntialiasMode = am16times;
    TArrowHead ArrowStart;
    TArrowHead ArrowEnd;

    // Appends p unless it equals the current last point.
    void AddPoint(TFixedPoint p);
    void AddPoints(std::span<const TFixedPoint> points);
    // Replaces all points with `points` as given.
    void SetPoints(std::span<const TFixedPoint> points);
    void Clear() { points_.clear(); }
    std::span<const TFixedPoint> Points() const { return points_; }

    // Draws the line into `bitmap`: nothing when the bitmap is missing or
    // the line has fewer than two distinct points. Otherwise the line width
    // becomes `width` when width > 0; the thick line (joins and end caps as
    // set, shortened to the base point of every arrow head drawn) is filled
    // with `fill` by the non-zero winding rule; when `outline` has a
    // non-zero alpha, the thick line's boundary is drawn one pixel wide in
    // it; then every arrow head whose style is not asNone and whose size is
    // at least kMinArrowSize is drawn: filled with its colour, then a ring of
    // the pen width around it in the pen colour (pen width >= 1.5) or its
    // edge one pixel wide. Colours are combined by the bitmap's combine
    // mode.
    void Draw(TBitmap32* bitmap, TColor32 fill, TColor32 outline, float width);
    void Draw(TBitmap32& bitmap, TColor32 fill, TColor32 outline, float width) {
        Draw(&bitmap, fill, outline, width);
    }

private:
    void DrawHead(TBitmap32& bitmap, const TArrowHead& head, const ArrowGeometry& g) const;

    std::vector<TFixedPoint> points_;
};

}  // namespace lg
