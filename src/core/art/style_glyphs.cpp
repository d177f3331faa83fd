// The letters of the font style toggles, B, I, U and S, built from strokes
// and boxes rather than taken from a font, so they look the same on every
// machine. They share the 20 x 20 box of the other glyphs: capitals from
// row 3 to row 17, straight parts on whole pixels.
#include <utility>
#include <vector>

#include "art/glyph_pen.h"

namespace lg::art {

namespace {

// The heavier weight of the bold letter.
constexpr double kBoldStroke = 3.0;

Contour Box(const GlyphPen& pen, double left, double top, double right, double bottom) {
    return pen.RoundedRect(left, top, right, bottom, 0);
}

// A bowl of the B: from the stem along a bar, round a half circle and back
// along a bar to the stem; `top` and `bottom` are the bars' middle lines.
std::vector<Vec2> Bowl(const GlyphPen& pen, double stemX, double reach, double top, double bottom) {
    const double radius = (bottom - top) / 2;
    std::vector<Vec2> path{{stemX, top}};
    for (const Vec2& p : pen.Arc({reach, top + radius}, radius, -90, 90)) path.push_back(p);
    path.push_back({stemX, bottom});
    return path;
}

}  // namespace

void DrawBoldGlyph(GlyphPen& pen) {
    // A square-cornered stem; the bowls' round ends hide inside it.
    const double half = kBoldStroke / 2, stemX = 5 + half;
    Shape shape{Box(pen, 5, 3, 5 + kBoldStroke, 17)};
    Append(shape, pen.Stroke(Bowl(pen, stemX, 10, 3 + half, 10), kBoldStroke));
    Append(shape, pen.Stroke(Bowl(pen, stemX, 10.5, 10, 17 - half), kBoldStroke));
    pen.Fill(std::move(shape));
}

void DrawItalicGlyph(GlyphPen& pen) {
    // Serifs level on whole rows, the stem leaning right between them.
    Shape shape{Box(pen, 9, 3, 16, 5), Box(pen, 4, 15, 11, 17)};
    Append(shape, pen.Stroke({{12.5, 4}, {7.5, 16}}, kStroke));
    pen.Fill(std::move(shape));
}

void DrawUnderlineGlyph(GlyphPen& pen) {
    std::vector<Vec2> u{{6, 4}};
    for (const Vec2& p : pen.Arc({10, 8}, 4, 180, 0)) u.push_back(p);
    u.push_back({14, 4});
    Shape shape = pen.Stroke(u, kStroke);
    Append(shape, Box(pen, 4, 15, 16, 17));
    pen.Fill(std::move(shape));
}

void DrawStrikeGlyph(GlyphPen& pen) {
    // Two bowls turning opposite ways meet in the middle, where the bar
    // crosses them and reaches out beyond both sides.
    std::vector<Vec2> s = pen.Arc({10, 7}, 3, -25, -270);
    const std::vector<Vec2> lower = pen.Arc({10, 13}, 3, -90, 155);
    s.insert(s.end(), lower.begin() + 1, lower.end());
    Shape shape = pen.Stroke(s, kStroke);
    Append(shape, Box(pen, 3, 9, 17, 11));
    pen.Fill(std::move(shape));
}

}  // namespace lg::art
