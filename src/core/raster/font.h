// The platform-neutral description of a font, as a bitmap carries it.
#pragma once

#include <cstdint>
#include <string>

#include "raster/color32.h"

namespace lg {

// Style bits of TFontDesc::Style.
enum TFontStyle : std::uint8_t {
    fsBold = 1,
    fsItalic = 2,
    fsUnderline = 4,
    fsStrikeOut = 8,
};

struct TFontDesc {
    // Face name; empty means the platform's default interface face.
    std::u16string Family;
    // Size in points (positive). The default is the size of the platform's
    // default interface font.
    int Size = 8;
    // Bits of TFontStyle.
    std::uint8_t Style = 0;
    // Colour of the glyphs drawn by Textout.
    TColor32 Color = 0xFF000000u;
    // When above 0, the character height in pixels, used instead of Size:
    // for windows laid out in fixed pixels, whose text must keep its place
    // at any screen DPI.
    int PixelHeight = 0;
    // When above 0, the DPI of the display the text is drawn for: Size is
    // converted to pixels at this DPI instead of the screen's (text on a
    // monitor whose scale differs from the primary's).
    int Dpi = 0;

    friend bool operator==(const TFontDesc&, const TFontDesc&) = default;
};

}  // namespace lg
