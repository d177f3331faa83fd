// The core's text measuring and glyph output, done by GDI: glyphs are drawn
// into a 32-bit DIB section holding a copy of the target's pixels, so GDI's
// own smoothing lands on them exactly as it would on the screen.
#pragma once

#include <windows.h>

#include <list>

#include "platform/handles.h"
#include "raster/font.h"
#include "raster/text_rasterizer.h"

namespace lg::win {

class GdiTextRasterizer final : public TextRasterizer {
public:
    GdiTextRasterizer();
    TSize Measure(const TFontDesc& font, std::u16string_view text) override;
    void Draw(TBitmap32& target, int x, int y, std::u16string_view text,
              const TFontDesc& font) override;

    // The GDI font for a description (cached); its pixel height from the
    // screen's logical DPI, unless the description gives it in pixels.
    HFONT FontFor(const TFontDesc& font);

private:
    struct CachedFont {
        std::u16string family;
        int size;
        int pixelHeight;
        int dpi;
        std::uint8_t style;
        UniqueGdiObject handle;
    };
    UniqueMemoryDc dc_;
    int dpi_ = 96;
    // Most recently used first; a handful of faces is all a session uses.
    std::list<CachedFont> fonts_;
};

}  // namespace lg::win
