#include "art/glyphs.h"

#include "art/glyph_pen.h"

namespace lg::art {

CoverageMask DrawGlyph(Glyph glyph, int width, int height) {
    CoverageMask mask(width, height);
    GlyphPen pen(mask, (width - kGlyphBox) / 2, (height - kGlyphBox) / 2);
    switch (glyph) {
        case Glyph::Arrow:
            DrawArrowGlyph(pen);
            break;
        case Glyph::Pen:
            DrawPenGlyph(pen);
            break;
        case Glyph::Rect:
            DrawRectGlyph(pen);
            break;
        case Glyph::Line:
            DrawLineGlyph(pen);
            break;
        case Glyph::Marker:
            DrawMarkerGlyph(pen);
            break;
        case Glyph::Width:
            DrawWidthGlyph(pen);
            break;
        case Glyph::FillRect:
            DrawFillRectGlyph(pen);
            break;
        case Glyph::Text:
            DrawTextGlyph(pen);
            break;
        case Glyph::Stamp:
            DrawStampGlyph(pen);
            break;
        case Glyph::Blur:
            DrawBlurGlyph(pen);
            break;
        case Glyph::Color:
            break;
        case Glyph::Undo:
            DrawUndoGlyph(pen);
            break;
        case Glyph::Redo:
            DrawRedoGlyph(pen);
            break;
        case Glyph::Upload:
            DrawUploadGlyph(pen);
            break;
        case Glyph::Copy:
            DrawCopyGlyph(pen);
            break;
        case Glyph::Save:
            DrawSaveGlyph(pen);
            break;
        case Glyph::Close:
            DrawCloseGlyph(pen);
            break;
        case Glyph::CloseSmall:
            DrawCloseSmallGlyph(pen);
            break;
    }
    return mask;
}

}  // namespace lg::art
