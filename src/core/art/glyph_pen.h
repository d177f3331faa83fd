// What the glyph shapes draw with: a mask, the top-left corner of the
// glyph's 20 x 20 design box in it and the box's scale. Shapes are given in
// box coordinates.
#pragma once

#include <initializer_list>
#include <span>
#include <vector>

#include "art/coverage_mask.h"
#include "art/paths.h"

namespace lg::art {

// The weight of every icon stroke, in box units.
inline constexpr double kStroke = 2.0;

// The glyphs are written in the 20 x 20 box; the pen builds their shapes at
// the display's size (box units times `scale`) before they are flattened,
// so curves get the vertices their drawn size needs and nothing is ever
// stretched as pixels. At scale 1 every coordinate goes through unchanged.
class GlyphPen {
public:
    GlyphPen(CoverageMask& mask, int left, int top, double scale = 1.0)
        : mask_(mask), left_(left), top_(top), scale_(scale) {}

    Shape Stroke(std::span<const Vec2> path, double width, bool closed = false) const;
    Shape Stroke(std::initializer_list<Vec2> path, double width, bool closed = false) const {
        return Stroke(std::span<const Vec2>(path.begin(), path.size()), width, closed);
    }
    Contour Polygon(std::span<const Vec2> points) const;
    Contour Polygon(std::initializer_list<Vec2> points) const {
        return Polygon(std::span<const Vec2>(points.begin(), points.size()));
    }
    Contour RoundedRect(double left, double top, double right, double bottom, double radius) const {
        return art::RoundedRect(left * scale_, top * scale_, right * scale_, bottom * scale_,
                                radius * scale_);
    }
    Contour Circle(Vec2 centre, double radius) const {
        return art::Circle(centre * scale_, radius * scale_);
    }
    // Arc points in box units, as dense as the arc's drawn radius needs.
    std::vector<Vec2> Arc(Vec2 centre, double radius, double fromDegrees, double toDegrees) const;

    void Fill(Shape shape, float opacity = 1.0f) {
        Translate(shape, left_, top_);
        mask_.Add(shape, opacity);
    }
    void Cut(Shape shape) {
        Translate(shape, left_, top_);
        mask_.Cut(shape);
    }

private:
    std::vector<Vec2> Scaled(std::span<const Vec2> points) const;

    CoverageMask& mask_;
    int left_;
    int top_;
    double scale_;
};

// One function per glyph (tool_glyphs.cpp, action_glyphs.cpp and
// style_glyphs.cpp).
void DrawArrowGlyph(GlyphPen& pen);
void DrawPenGlyph(GlyphPen& pen);
void DrawRectGlyph(GlyphPen& pen);
void DrawLineGlyph(GlyphPen& pen);
void DrawMarkerGlyph(GlyphPen& pen);
void DrawWidthGlyph(GlyphPen& pen);
void DrawFillRectGlyph(GlyphPen& pen);
void DrawTextGlyph(GlyphPen& pen);
void DrawStampGlyph(GlyphPen& pen);
void DrawBlurGlyph(GlyphPen& pen);
void DrawUndoGlyph(GlyphPen& pen);
void DrawRedoGlyph(GlyphPen& pen);
void DrawUploadGlyph(GlyphPen& pen);
void DrawCopyGlyph(GlyphPen& pen);
void DrawSaveGlyph(GlyphPen& pen);
void DrawCloseGlyph(GlyphPen& pen);
void DrawCloseSmallGlyph(GlyphPen& pen);
void DrawResetGlyph(GlyphPen& pen);
void DrawBoldGlyph(GlyphPen& pen);
void DrawItalicGlyph(GlyphPen& pen);
void DrawUnderlineGlyph(GlyphPen& pen);
void DrawStrikeGlyph(GlyphPen& pen);

}  // namespace lg::art
