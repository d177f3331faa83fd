#include "platform/gdi_text_rasterizer.h"

#include <gtest/gtest.h>

#include "raster/bitmap32.h"

namespace lg::win {
namespace {

TFontDesc Font(int size, std::uint8_t style = 0) {
    TFontDesc f;
    f.Family = u"Noto Sans";
    f.Size = size;
    f.Style = style;
    f.Color = 0xFFFFFFFF;
    return f;
}

// Pixels whose blue byte the glyphs reached.
int Inked(const TBitmap32& b, TRect r) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y) {
        for (int x = r.Left; x < r.Right; ++x) n += (*b.PixelPtr(x, y) & 0xFF) != 0;
    }
    return n;
}

TEST(GdiTextRasterizerTest, MeasuresLikeTheFontGrows) {
    GdiTextRasterizer gdi;
    TSize a = gdi.Measure(Font(15), u"Ш");
    TSize ab = gdi.Measure(Font(15), u"ШШ");
    TSize big = gdi.Measure(Font(30), u"Ш");
    EXPECT_GT(a.cx, 0);
    EXPECT_EQ(ab.cx, 2 * a.cx);
    EXPECT_GT(big.cy, a.cy * 3 / 2);
    // An empty text still has the line's height (a caret needs it).
    EXPECT_EQ(gdi.Measure(Font(15), u"").cx, 0);
    EXPECT_EQ(gdi.Measure(Font(15), u"").cy, a.cy);
}

TEST(GdiTextRasterizerTest, APixelHeightIsTheCharacterHeightAtAnyDpi) {
    GdiTextRasterizer gdi;
    for (int pixels : {13, 15, 30}) {
        TFontDesc f = Font(72);  // a point size far from every pixel height
        f.PixelHeight = pixels;
        LOGFONTW lf{};
        ASSERT_TRUE(GetObjectW(gdi.FontFor(f), sizeof(lf), &lf));
        EXPECT_EQ(lf.lfHeight, -pixels) << "the em, not the cell";
        // The cell adds the internal leading, never less than the em.
        const int cell = gdi.Measure(f, u"Ay").cy;
        EXPECT_GE(cell, pixels);
        EXPECT_LT(cell, pixels * 2);
    }
    // Point sizes still follow the screen's DPI.
    TFontDesc points = Font(15);
    LOGFONTW lf{};
    ASSERT_TRUE(GetObjectW(gdi.FontFor(points), sizeof(lf), &lf));
    ScopedGetDc screen(nullptr);
    EXPECT_EQ(lf.lfHeight, -MulDiv(15, GetDeviceCaps(screen.get(), LOGPIXELSY), 72));
}

TEST(GdiTextRasterizerTest, GlyphsLandInTheirCellWithSmoothedEdges) {
    GdiTextRasterizer gdi;
    TBitmap32 b(120, 60);
    TSize cell = gdi.Measure(Font(23), u"Ж1");
    gdi.Draw(b, 10, 5, u"Ж1", Font(23));
    TRect inside = Rect(10, 5, 10 + cell.cx, 5 + cell.cy);
    EXPECT_GT(Inked(b, inside), 20);
    // Nothing outside the cell (a glyph may overhang by a pixel).
    EXPECT_EQ(Inked(b, Rect(0, 0, 120, 4)), 0);
    EXPECT_EQ(Inked(b, Rect(12 + cell.cx, 0, 120, 60)), 0);
    // Grey-scale smoothing: some edge pixels are neither off nor full.
    int partial = 0;
    for (TColor32 p : b.Pixels()) {
        std::uint32_t blue = p & 0xFF;
        partial += blue > 0 && blue < 0xFF;
    }
    EXPECT_GT(partial, 0);
}

TEST(GdiTextRasterizerTest, HonoursTheClipRectangleAndLeavesTheRestAlone) {
    GdiTextRasterizer gdi;
    TBitmap32 b(100, 40);
    for (TColor32& p : b.Pixels()) p = 0xFF102030;
    b.SetClipRect(Rect(0, 0, 20, 40));
    gdi.Draw(b, 2, 2, u"ШШШШШ", Font(20));
    for (int y = 0; y < 40; ++y) {
        for (int x = 20; x < 100; ++x) ASSERT_EQ(*b.PixelPtr(x, y), 0xFF102030u) << x << "," << y;
    }
    // Drawing wholly outside the bitmap is harmless.
    gdi.Draw(b, -500, -500, u"Ш", Font(20));
    gdi.Draw(b, 5000, 5, u"Ш", Font(20));
}

}  // namespace
}  // namespace lg::win
