#include "raster/render_text.h"

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "raster/raster_error.h"
#include "raster/text_rasterizer.h"

namespace lg {

namespace {

TextRasterizer* gDefaultTextRasterizer = nullptr;

// The glyphs are drawn in white so that any colour channel is the coverage.
constexpr TColor32 kGlyphWhite = 0xFFFFFFFFu;
// Super-sampling beyond 2^4 per axis brings nothing the eye can see.
constexpr int kMaxQuality = 4;

int CheckedSide(std::int64_t v) {
    if (v > INT_MAX) throw RasterError("text too large to render");
    return static_cast<int>(std::max<std::int64_t>(v, 0));
}

// `text` rendered 2^q times larger in white and averaged down: each pixel
// is color's RGB with alpha = the mean blue byte of its 2^q x 2^q block.
TBitmap32 SupersampledText(TextRasterizer& tr, const TFontDesc& font, std::u16string_view text,
                           TColor32 color, int q) {
    const int s = 1 << q;
    TFontDesc big = font;
    big.Size = font.Size > INT_MAX / s ? INT_MAX : font.Size * s;
    big.PixelHeight = font.PixelHeight > INT_MAX / s ? INT_MAX : font.PixelHeight * s;
    const TSize ext = tr.Measure(big, text);
    const std::int64_t cx = std::max(ext.cx, 0), cy = std::max(ext.cy, 0);
    // Rounded up to the next multiple of s, always at least one step more.
    TBitmap32 large(CheckedSide(((cx >> q) + 1) << q), CheckedSide(((cy >> q) + 1) << q));
    big.Color = kGlyphWhite;
    large.SetTextRasterizer(&tr);
    tr.Draw(large, 0, 0, text, big);

    TBitmap32 small(large.Width() >> q, large.Height() >> q);
    const TColor32 rgb = color & 0x00FFFFFFu;
    std::vector<std::uint32_t> sums(static_cast<std::size_t>(small.Width()));
    for (int y = 0; y < small.Height(); ++y) {
        std::fill(sums.begin(), sums.end(), 0u);
        for (int by = y * s; by < (y + 1) * s; ++by) {
            const TColor32* row = large.ScanLine(by);
            for (int x = 0; x < small.Width(); ++x) {
                for (int i = 0; i < s; ++i) sums[x] += row[x * s + i] & 0xFF;
            }
        }
        TColor32* out = small.ScanLine(y);
        for (int x = 0; x < small.Width(); ++x) out[x] = rgb + ((sums[x] >> q >> q) << 24);
    }
    return small;
}

}  // namespace

void SetDefaultTextRasterizer(TextRasterizer* r) {
    gDefaultTextRasterizer = r;
}
TextRasterizer* DefaultTextRasterizer() {
    return gDefaultTextRasterizer;
}

TextRasterizer* TBitmap32::GetTextRasterizer() const {
    return textRasterizer_ ? textRasterizer_ : gDefaultTextRasterizer;
}

TSize TBitmap32::TextExtent(std::u16string_view s) const {
    TextRasterizer* tr = GetTextRasterizer();
    return tr ? tr->Measure(font_, s) : TSize{};
}

void TBitmap32::Textout(int x, int y, std::u16string_view s) {
    TextRasterizer* tr = GetTextRasterizer();
    if (tr && !Empty()) tr->Draw(*this, x, y, s, font_);
}

void TBitmap32::RenderText(int x, int y, std::u16string_view s, int level, TColor32 c) {
    TextRasterizer* tr = GetTextRasterizer();
    if (!tr || Empty() || s.empty()) return;
    TBitmap32 scratch;
    level = std::clamp(level, 0, kMaxQuality);
    if (level > 0) {
        scratch = SupersampledText(*tr, font_, s, c, level);
    } else {
        std::u16string spaced(s);
        spaced += u' ';
        const TSize ext = tr->Measure(font_, spaced);
        scratch.SetSize(ext.cx, ext.cy);
        TFontDesc white = font_;
        white.Color = kGlyphWhite;
        scratch.SetTextRasterizer(tr);
        tr->Draw(scratch, 0, 0, s, white);
        const TColor32 rgb = c & 0x00FFFFFFu;
        for (TColor32& p : scratch.Pixels()) {
            if (p != 0) p = rgb | (p & 0xFF) << 24;
        }
    }
    scratch.SetDrawMode(dmBlend);
    scratch.SetMasterAlpha(static_cast<std::uint8_t>(c >> 24));
    scratch.SetCombineMode(combineMode_);
    Draw(x, y, scratch);
}

void RenderTextInRect(TBitmap32& dst, const TRect& r, std::u16string_view text, TColor32 color,
                      int quality, bool leftAlign) {
    TextRasterizer* tr = dst.GetTextRasterizer();
    if (dst.Empty() || tr == nullptr) return;
    const int q = std::clamp(quality, 0, kMaxQuality);
    TBitmap32 small = SupersampledText(*tr, dst.Font(), text, color, q);
    small.SetDrawMode(dmBlend);
    small.SetMasterAlpha(static_cast<std::uint8_t>(color >> 24));
    small.SetCombineMode(dst.CombineMode());
    // C++ division truncates towards zero, as the placement wants.
    const int y = r.Top + (r.Bottom - r.Top - small.Height()) / 2;
    int x = r.Left;
    if (!leftAlign) x += (r.Right - r.Left - small.Width()) / 2;
    dst.Draw(x, y, small);
}

}  // namespace lg
