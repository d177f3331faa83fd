// The glyphs of the drawing tools. Coordinates are in the 20 x 20 design
// box; ink spans about 2..18 either way so that all glyphs carry the same
// visual size, and straight strokes lie on whole pixels (2 px) or half
// pixels (1 px) to stay crisp.
#include <cmath>
#include <numbers>

#include "art/glyph_pen.h"

namespace lg::art {

namespace {

// Unit vectors of the 45 degree diagonal that the slanted glyphs share.
constexpr double kDiag = std::numbers::sqrt2 / 2;
constexpr Vec2 kUpRight{kDiag, -kDiag};
constexpr Vec2 kDownRight{kDiag, kDiag};

Contour Box(const GlyphPen& pen, double left, double top, double right, double bottom) {
    return pen.RoundedRect(left, top, right, bottom, 0);
}

}  // namespace

void DrawArrowGlyph(GlyphPen& pen) {
    const Vec2 tip{16.5, 3.5};
    const double length = 8.0, halfWidth = 4.0, notch = 0.6;
    const Vec2 back = kUpRight * -1.0;
    const Vec2 barb1 = tip + back * length + kDownRight * halfWidth;
    const Vec2 barb2 = tip + back * length - kDownRight * halfWidth;
    const Vec2 base = tip + back * (length * notch);
    Shape shape = pen.Stroke({{4, 16}, base}, kStroke);
    const Vec2 head[] = {tip, barb1, base, barb2};
    Append(shape, pen.Polygon(head));
    // A hairline round the head softens its three points to the stroke's
    // round caps.
    Append(shape, pen.Stroke(head, 1.0, true));
    pen.Fill(std::move(shape));
}

void DrawPenGlyph(GlyphPen& pen) {
    // The outline of the body and a solid sharpened point.
    const Vec2 tip{3.5, 16.5};
    const double halfWidth = 3.0, cone = 5.5, length = 16.0;
    const Vec2 u = kUpRight, p = kDownRight;
    const Vec2 coneL = tip + u * cone - p * halfWidth, coneR = tip + u * cone + p * halfWidth;
    const Vec2 endL = tip + u * length - p * halfWidth, endR = tip + u * length + p * halfWidth;
    Shape shape = pen.Stroke({tip, coneR, endR, endL, coneL}, kStroke, true);
    Append(shape, pen.Polygon({tip, coneR, coneL}));
    pen.Fill(std::move(shape));
}

void DrawRectGlyph(GlyphPen& pen) {
    pen.Fill(pen.Stroke({{3, 5}, {17, 5}, {17, 15}, {3, 15}}, kStroke, true));
}

void DrawLineGlyph(GlyphPen& pen) {
    pen.Fill(pen.Stroke({{4, 16}, {16, 4}}, kStroke));
}

void DrawMarkerGlyph(GlyphPen& pen) {
    // The marker posed like the pencil: an outlined body narrowing at the
    // shoulders to a solid nib cut aslant like a chisel; the broad
    // translucent stroke it has just laid runs off from the nib.
    pen.Fill(Shape{pen.RoundedRect(7, 14, 18, 18, 1)}, 0.45f);
    const Vec2 tip{4.5, 15.5};
    const auto at = [&tip](double along, double across) {
        return tip + kUpRight * along + kDownRight * across;
    };
    const Vec2 chisel1 = at(0, -1.6), chisel2 = at(2.2, 1.6);
    const Vec2 nib1 = at(3.8, -1.6), nib2 = at(3.8, 1.6);
    Shape shape = pen.Stroke(
        {nib2, at(5.2, 2.6), at(14.5, 2.6), at(14.5, -2.6), at(5.2, -2.6), nib1}, kStroke, true);
    Append(shape, pen.Polygon({chisel1, chisel2, nib2, nib1}));
    pen.Fill(std::move(shape));
}

void DrawWidthGlyph(GlyphPen& pen) {
    // 1, 2 and 4 px, each on whole rows; the caps end level with each other.
    Shape shape = pen.Stroke({{2.5, 4.5}, {17.5, 4.5}}, 1.0);
    Append(shape, pen.Stroke({{3, 9}, {17, 9}}, 2.0));
    Append(shape, pen.Stroke({{4, 15}, {16, 15}}, 4.0));
    pen.Fill(std::move(shape));
}

void DrawFillRectGlyph(GlyphPen& pen) {
    pen.Fill(Shape{Box(pen, 3, 5, 17, 15)}, 0.4f);
    DrawRectGlyph(pen);
}

void DrawTextGlyph(GlyphPen& pen) {
    Shape t{Box(pen, 3, 3, 17, 5),     // bar
            Box(pen, 3, 3, 5, 7),      // left serif
            Box(pen, 15, 3, 17, 7),    // right serif
            Box(pen, 9, 3, 11, 17),    // stem
            Box(pen, 6, 15, 14, 17)};  // foot
    pen.Fill(std::move(t));
}

void DrawStampGlyph(GlyphPen& pen) {
    pen.Fill(Shape{pen.Circle({10.5, 10}, 8)});
    // The "1" knocked out of the disc, its stem right of centre so that
    // stem and flag together sit in the middle.
    Shape one{Box(pen, 10, 5, 12, 15)};
    Append(one, pen.Stroke({{10.6, 5.9}, {7.6, 8.3}}, kStroke));
    pen.Cut(std::move(one));
}

void DrawBlurGlyph(GlyphPen& pen) {
    // A 4 x 4 square of dots, smaller and fainter towards the bottom-right.
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col) {
            const double fade = (row + col) / 6.0;
            const Vec2 centre{4.5 + 4 * col, 4.5 + 4 * row};
            pen.Fill(Shape{pen.Circle(centre, 1.6 - 0.7 * fade)},
                     static_cast<float>(1.0 - 0.7 * fade));
        }
    }
}

}  // namespace lg::art
