// A deterministic stand-in for the platform's text output, for unit tests.
//
// Every character is a filled box that fills its whole cell: the cell is
// PixelHeight = Size * 4 / 3 pixels high (points at 96 dots per inch,
// truncated; at the font's Dpi when it gives one), or the font's own
// PixelHeight when it gives one, and Advance
// = PixelHeight / 2 pixels wide (at least 1 each).
// A space advances without drawing. Pixels get font.Color's RGB with alpha
// byte 0, as the platform's glyph output leaves it in a 32-bit bitmap.
#pragma once

#include <algorithm>
#include <new>
#include <string_view>
#include <vector>

#include "raster/bitmap32.h"
#include "raster/text_rasterizer.h"

namespace lg::testing {

class FakeTextRasterizer final : public TextRasterizer {
public:
    static int PixelHeight(const TFontDesc& f) {
        if (f.PixelHeight > 0) return f.PixelHeight;
        const int dpi = f.Dpi > 0 ? f.Dpi : 96;
        return std::max(1, f.Size * dpi / 72);
    }
    static int Advance(const TFontDesc& f) { return std::max(1, PixelHeight(f) / 2); }

    TSize Measure(const TFontDesc& font, std::u16string_view text) override {
        if (outOfMemory) throw std::bad_alloc();
        measured.push_back(font);
        return TSize{static_cast<int>(text.size()) * Advance(font), PixelHeight(font)};
    }

    void Draw(TBitmap32& target, int x, int y, std::u16string_view text,
              const TFontDesc& font) override {
        drawn.push_back(font);
        const int adv = Advance(font), h = PixelHeight(font);
        const TColor32 c = font.Color & 0x00FFFFFFu;
        const TRect clip = target.ClipRect();
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == u' ') continue;
            const int left = std::max(x + static_cast<int>(i) * adv, clip.Left);
            const int right = std::min(x + static_cast<int>(i + 1) * adv, clip.Right);
            for (int py = std::max(y, clip.Top); py < std::min(y + h, clip.Bottom); ++py) {
                if (left < right)
                    std::fill(target.PixelPtr(left, py), target.PixelPtr(right, py), c);
            }
        }
    }

    // Every measurement fails as the platform's would without memory.
    bool outOfMemory = false;
    std::vector<TFontDesc> measured;  // fonts asked for, in order
    std::vector<TFontDesc> drawn;
};

}  // namespace lg::testing
