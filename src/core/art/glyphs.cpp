#include "art/glyphs.h"

#include "art/glyph_pen.h"

namespace lg::art {

TRect GlyphBox(int width96, int height96, DisplayScale scale) {
    const int box = scale.Px(kGlyphBox);
    const int left = (scale.Px(width96) - box) / 2, top = (scale.Px(height96) - box) / 2;
    return {left, top, left + box, top + box};
}

CoverageMask DrawGlyph(Glyph glyph, int width96, int height96, DisplayScale scale) {
    CoverageMask mask(scale.Px(width96), scale.Px(height96));
    const TRect box = GlyphBox(width96, height96, scale);
    GlyphPen pen(mask, box.Left, box.Top, scale.Factor());
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
        case Glyph::Reset:
            DrawResetGlyph(pen);
            break;
        case Glyph::Bold:
            DrawBoldGlyph(pen);
            break;
        case Glyph::Italic:
            DrawItalicGlyph(pen);
            break;
        case Glyph::Underline:
            DrawUnderlineGlyph(pen);
            break;
        case Glyph::Strike:
            DrawStrikeGlyph(pen);
            break;
    }
    return mask;
}

}  // namespace lg::art
