// The platform's text measuring and glyph output, as the core sees it.
//
// The Win32 shell implements this with GDI (a font from the description,
// GetTextExtentPoint32W to measure, ExtTextOutW into a 32-bit DIB of the
// target's pixels); unit tests use a deterministic fake. Text is UTF-16, as
// the platform takes it.
#pragma once

#include <string_view>

#include "raster/font.h"
#include "raster/geometry.h"

namespace lg {

class TBitmap32;

class TextRasterizer {
public:
    virtual ~TextRasterizer() = default;

    // Width and height of `text` on one line in `font`.
    virtual TSize Measure(const TFontDesc& font, std::u16string_view text) = 0;

    // Draws `text` in `font` and font.Color with the top-left of its cell
    // at (x, y) into target's pixels, clipped to its clip rectangle.
    // Pixels outside the glyphs are left untouched; edge pixels may get
    // the platform's smoothing (a mix of the colour and what was there).
    // Like the platform's output into a 32-bit bitmap, the alpha byte of
    // the pixels it writes is unspecified; callers that need coverage read
    // a colour channel.
    virtual void Draw(TBitmap32& target, int x, int y, std::u16string_view text,
                      const TFontDesc& font) = 0;
};

// The rasterizer used by bitmaps that have none of their own. Not owned;
// the shell sets it at start-up and clears it (nullptr) before it dies.
void SetDefaultTextRasterizer(TextRasterizer* r);
TextRasterizer* DefaultTextRasterizer();

}  // namespace lg
