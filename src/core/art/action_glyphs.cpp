// The glyphs of the undo and redo buttons, the output panel and the close
// buttons, in the same 20 x 20 design box as the tools.
#include <utility>
#include <vector>

#include "art/glyph_pen.h"

namespace lg::art {

namespace {

// A hook arrow: a chevron pointing left at (4, 8), a bar to the right and a
// half turn down and back. `mirror` flips it for redo.
void DrawHook(GlyphPen& pen, bool mirror) {
    std::vector<Vec2> curve{{4, 8}, {12, 8}};
    for (const Vec2& p : pen.Arc({12, 12}, 4, -90, 90)) curve.push_back(p);
    curve.push_back({8, 16});
    std::vector<Vec2> head{{7.5, 4.5}, {4, 8}, {7.5, 11.5}};
    if (mirror) {
        for (Vec2& p : curve) p.x = 20 - p.x;
        for (Vec2& p : head) p.x = 20 - p.x;
    }
    Shape shape = pen.Stroke(curve, kStroke);
    Append(shape, pen.Stroke(head, kStroke));
    pen.Fill(std::move(shape));
}

}  // namespace

void DrawUndoGlyph(GlyphPen& pen) {
    DrawHook(pen, false);
}

void DrawRedoGlyph(GlyphPen& pen) {
    DrawHook(pen, true);
}

void DrawUploadGlyph(GlyphPen& pen) {
    // The cloud's outline is the ring between the cloud and the cloud grown
    // smaller by the stroke: exact for any union of bumps.
    const auto cloud = [&pen](double inset) {
        return Shape{pen.Circle({5.0, 11.0}, 3.5 - inset), pen.Circle({10.5, 7.5}, 5.5 - inset),
                     pen.Circle({15.5, 10.5}, 4.0 - inset),
                     pen.RoundedRect(5.0, 9.0 + inset, 15.5, 14.5 - inset, 0)};
    };
    pen.Fill(cloud(0));
    pen.Cut(cloud(kStroke));
    // The arrow rises into the cloud through a gap of clear space.
    const std::vector<Vec2> stem{{10, 18}, {10, 9.5}}, head{{7.5, 12}, {10, 9.5}, {12.5, 12}};
    Shape gap = pen.Stroke(stem, kStroke + 2.5);
    Append(gap, pen.Stroke(head, kStroke + 2.5));
    pen.Cut(std::move(gap));
    Shape arrow = pen.Stroke(stem, kStroke);
    Append(arrow, pen.Stroke(head, kStroke));
    pen.Fill(std::move(arrow));
}

void DrawCopyGlyph(GlyphPen& pen) {
    // The back sheet shows only outside the front one and a gap round it.
    pen.Fill(pen.Stroke({{3, 3}, {13, 3}, {13, 13}, {3, 13}}, kStroke, true));
    pen.Cut(Shape{pen.RoundedRect(4.5, 4.5, 19.5, 19.5, 3)});
    pen.Fill(pen.Stroke({{7, 7}, {17, 7}, {17, 17}, {7, 17}}, kStroke, true));
}

void DrawSaveGlyph(GlyphPen& pen) {
    Shape shape = pen.Stroke({{10, 3}, {10, 12}}, kStroke);
    Append(shape, pen.Stroke({{6, 8}, {10, 12}, {14, 8}}, kStroke));
    Append(shape, pen.Stroke({{3, 12}, {3, 17}, {17, 17}, {17, 12}}, kStroke));
    pen.Fill(std::move(shape));
}

void DrawCloseGlyph(GlyphPen& pen) {
    Shape shape = pen.Stroke({{5, 5}, {15, 15}}, kStroke);
    Append(shape, pen.Stroke({{15, 5}, {5, 15}}, kStroke));
    pen.Fill(std::move(shape));
}

void DrawCloseSmallGlyph(GlyphPen& pen) {
    // The small windows' close button is 20 x 20 in all, so its cross is
    // smaller and finer than the others.
    Shape shape = pen.Stroke({{6.5, 6.5}, {13.5, 13.5}}, 1.5);
    Append(shape, pen.Stroke({{13.5, 6.5}, {6.5, 13.5}}, 1.5));
    pen.Fill(std::move(shape));
}

void DrawResetGlyph(GlyphPen& pen) {
    // Drawn for a 16 x 16 button, so it keeps inside the box's middle 16
    // units, with the finer stroke of the small close cross. Round from the
    // upper left, down, along the bottom and up the right side to a head at
    // the top pointing left: turning back.
    constexpr Vec2 centre{10, 11};
    constexpr double radius = 5, stroke = 1.5;
    Shape shape = pen.Stroke(pen.Arc(centre, radius, 200, -90), stroke);
    // The head: a solid dart whose base straddles the arc's end.
    const Vec2 end{centre.x, centre.y - radius};
    Append(shape,
           pen.Polygon({{end.x - 3.5, end.y}, {end.x + 0.5, end.y - 3}, {end.x + 0.5, end.y + 3}}));
    pen.Fill(std::move(shape));
}

}  // namespace lg::art
