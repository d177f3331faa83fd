// What the glyph shapes draw with: a mask and the top-left corner of the
// glyph's 20 x 20 design box in it. Shapes are given in box coordinates.
#pragma once

#include <span>

#include "art/coverage_mask.h"
#include "art/paths.h"

namespace lg::art {

// The weight of every icon stroke.
inline constexpr double kStroke = 2.0;

class GlyphPen {
public:
    GlyphPen(CoverageMask& mask, int left, int top) : mask_(mask), left_(left), top_(top) {}

    void Fill(Shape shape, float opacity = 1.0f) {
        Translate(shape, left_, top_);
        mask_.Add(shape, opacity);
    }
    void Cut(Shape shape) {
        Translate(shape, left_, top_);
        mask_.Cut(shape);
    }

private:
    CoverageMask& mask_;
    int left_;
    int top_;
};

// One function per glyph (tool_glyphs.cpp and action_glyphs.cpp).
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

}  // namespace lg::art
