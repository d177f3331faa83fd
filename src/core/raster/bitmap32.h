// The raster engine: 32-bit ARGB bitmaps and everything drawn into them.
//
// Files of src/core/raster (one stage each; headers ending in _p.h are
// internal to this folder):
//   geometry.h          TRect, TSize, 16.16 TFixed points, float points and
//                       rectangles, Vec2 for geometry, Contour
//   color32.h/.cpp      TColor32 ($AARRGGBB), TColor ($00BBGGRR), Color32()
//   blend.h/.cpp        the blend and merge rules, one pixel at a time
//   blend_p.h           merge tables and the span loops fills share
//   raster_error.h      RasterError, thrown when a size cannot be had
//   font.h              TFontDesc: family, size in points, style, colour
//   bitmap32.h/.cpp     TBitmap32: size, properties, pixel access, Clear,
//                       FillRectTS, stippled lines and FrameRectTSP
//   transfer.cpp        TBitmap32::Draw / DrawTo in the three draw modes
//   rasterizer.h/.cpp   anti-aliased polygon coverage (non-zero winding)
//   polygon_fill.h/.cpp coverage put onto a bitmap by its combine mode
//   stroke.h/.cpp       thick-line geometry: segments, joins, caps, outlines
//   line32.h/.cpp       TLine32 with its arrow heads
//   shapes.h/.cpp       filled ellipse (circle) and thick open polyline
//   blur.h/.cpp         BoxBlur
//   text_rasterizer.h   the platform's text measuring and glyph output, as
//                       an interface the Win32 shell implements
//   render_text.h/.cpp  RenderText and RenderTextInRect
//
// Everything here runs on the GUI thread; nothing is thread-safe.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "raster/blend.h"
#include "raster/color32.h"
#include "raster/font.h"
#include "raster/geometry.h"

namespace lg {

class TextRasterizer;

// How a bitmap is drawn *into another* bitmap.
enum TDrawMode : std::uint8_t {
    dmOpaque,       // every pixel copied
    dmBlend,        // combined by the source's combine mode and master alpha
    dmTransparent,  // copied unless equal to the source's outer colour
};

// The resampler used when a bitmap is drawn. Transfers here are always
// 1:1, where every resampler copies pixels unchanged; the value is kept so
// that it travels with the bitmap.
enum TResamplerKind : std::uint8_t { rkNearest, rkDraft };

// The largest bitmap: 2^28 pixels (1 GiB). A 32-bit process has 2 GiB of
// address space, so a larger block can never be had there; the widest
// desktops (eight 4K monitors, 66 M pixels) stay far below it.
inline constexpr std::int64_t kMaxBitmapPixels = std::int64_t{1} << 28;

// A raster of Width x Height TColor32 pixels, row by row from the top.
// Copying copies size, pixels and every drawing property.
class TBitmap32 {
public:
    TBitmap32() = default;
    // Throws RasterError when the size cannot be had.
    TBitmap32(int width, int height);
    TBitmap32(const TBitmap32& other);
    TBitmap32& operator=(const TBitmap32& other);
    TBitmap32(TBitmap32&&) noexcept = default;
    TBitmap32& operator=(TBitmap32&&) noexcept = default;

    // ---- Size --------------------------------------------------------
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }
    TRect BoundsRect() const { return TRect{0, 0, width_, height_}; }

    // Reallocates and sets every pixel to 0 (transparent black); the clip
    // rectangle becomes the whole bitmap. Negative sizes count as 0. An
    // unchanged size keeps the pixels. Throws RasterError when the size is
    // beyond kMaxBitmapPixels or the memory cannot be had; the bitmap is
    // then left as it was.
    void SetSize(int width, int height);
    // Takes `source`'s size and pixels (the clip becomes the whole bitmap)
    // and keeps this bitmap's drawing properties; `source` is left empty.
    // It cannot fail, so a caller can have every bitmap it needs first and
    // change nothing until then.
    void AdoptPixels(TBitmap32&& source) noexcept;
    void SetWidth(int width) { SetSize(width, height_); }
    void SetHeight(int height) { SetSize(width_, height); }

    // ---- Pixel access ------------------------------------------------
    // Row-major pixel memory, Width() pixels per row, no padding.
    TColor32* Bits() { return bits_.data(); }
    const TColor32* Bits() const { return bits_.data(); }
    std::span<TColor32> Pixels() { return bits_; }
    std::span<const TColor32> Pixels() const { return bits_; }
    // Start of row y; 0 <= y < Height().
    TColor32* ScanLine(int y) { return bits_.data() + static_cast<std::size_t>(y) * width_; }
    const TColor32* ScanLine(int y) const {
        return bits_.data() + static_cast<std::size_t>(y) * width_;
    }
    // Pixel (x, y), unchecked; 0 <= x < Width(), 0 <= y < Height().
    TColor32* PixelPtr(int x, int y) { return ScanLine(y) + x; }
    const TColor32* PixelPtr(int x, int y) const { return ScanLine(y) + x; }

    // Checked read: the outer colour outside the bitmap.
    TColor32 PixelS(int x, int y) const;
    // Checked write: nothing happens outside the clip rectangle.
    void SetPixelS(int x, int y, TColor32 c);
    // Checked translucent-aware write: alpha $FF writes, 0 keeps, anything
    // else is combined by this bitmap's combine mode.
    void SetPixelTS(int x, int y, TColor32 c);

    // ---- Properties --------------------------------------------------
    // All clipping operations clip to it. Always inside the bitmap.
    TRect ClipRect() const { return clip_; }
    // Intersected with the bitmap's bounds.
    void SetClipRect(const TRect& r) { clip_ = IntersectRect(r, BoundsRect()); }
    void ResetClipRect() { clip_ = BoundsRect(); }

    // Pixels of this colour are skipped by a transparent-mode transfer.
    TColor32 OuterColor() const { return outerColor_; }
    void SetOuterColor(TColor32 c) { outerColor_ = c; }

    // 0..255; scales every pixel's alpha when this bitmap is drawn into
    // another in blend mode.
    std::uint8_t MasterAlpha() const { return masterAlpha_; }
    void SetMasterAlpha(std::uint8_t a) { masterAlpha_ = a; }

    TDrawMode DrawMode() const { return drawMode_; }
    void SetDrawMode(TDrawMode m) { drawMode_ = m; }

    // Used when a translucent colour is put on this bitmap's pixels (fills,
    // anti-aliased shapes, SetPixelTS) and when this bitmap is drawn into
    // another in blend mode.
    TCombineMode CombineMode() const { return combineMode_; }
    void SetCombineMode(TCombineMode m) { combineMode_ = m; }

    TResamplerKind Resampler() const { return resampler_; }
    void SetResampler(TResamplerKind r) { resampler_ = r; }

    TFontDesc& Font() { return font_; }
    const TFontDesc& Font() const { return font_; }
    void SetFont(const TFontDesc& f) { font_ = f; }

    // ---- Stipple -----------------------------------------------------
    // A repeating list of colours used along stippled lines. Each pixel of
    // a stippled line takes entry floor(counter) (modulo the list's length)
    // and then advances the counter by the step. Every stippled call starts
    // at StippleCounter() and leaves it unchanged, so a frame painted
    // again shows the same dashes.
    void SetStipple(std::span<const TColor32> pattern) {
        stipple_.assign(pattern.begin(), pattern.end());
    }
    std::span<const TColor32> Stipple() const { return stipple_; }
    double StippleStep() const { return stippleStep_; }
    void SetStippleStep(double step) { stippleStep_ = step; }
    double StippleCounter() const { return stippleCounter_; }
    void SetStippleCounter(double counter) { stippleCounter_ = counter; }

    // ---- Drawing -----------------------------------------------------
    // Every pixel (the whole bitmap, not just the clip rectangle) := c.
    void Clear(TColor32 c = 0);

    // Fills r, clipped, translucent-aware: alpha $FF writes c, alpha 0 does
    // nothing, anything else combines c by the combine mode (blend with
    // W = c's alpha, or merge). Empty or inverted rectangles do nothing.
    void FillRectTS(const TRect& r, TColor32 c);
    void FillRectTS(int left, int top, int right, int bottom, TColor32 c) {
        FillRectTS(TRect{left, top, right, bottom}, c);
    }

    // Stippled, translucent-aware lines through both end points, walked
    // from the first to the second; clipped pixels still take their entry.
    void HorzLineTSP(int x1, int y, int x2);
    void VertLineTSP(int x, int y1, int y2);

    // One-pixel stippled outline of the pixels (Left, Top) to (Right - 1,
    // Bottom - 1), as one continuous line clockwise from the top-left
    // corner: top edge rightwards, right edge downwards, bottom edge
    // leftwards, left edge upwards. Each pixel is visited once. Nothing is
    // drawn when r is empty.
    void FrameRectTSP(const TRect& r);

    // ---- Transfers (transfer.cpp) ------------------------------------
    // Draws src into this bitmap with src's top-left at (x, y), using
    // src's draw mode (and for dmBlend its combine mode and master alpha):
    //   dmOpaque       D := S
    //   dmBlend/cmBlend D := S blended with W = round(S.alpha * master / 255)
    //   dmBlend/cmMerge D := S, its alpha scaled by the master alpha, merged
    //   dmTransparent  D := S unless S equals src's outer colour
    // Clipped to this bitmap's clip rectangle. src may be this bitmap.
    void Draw(int x, int y, const TBitmap32& src);
    // The srcRect part of src (clipped to src) into dstRect, 1:1: sizes
    // that differ are not scaled, the common top-left part is drawn.
    void Draw(const TRect& dstRect, const TRect& srcRect, const TBitmap32& src);
    void DrawTo(TBitmap32& dst, int x, int y) const { dst.Draw(x, y, *this); }
    void DrawTo(TBitmap32& dst, const TRect& dstRect, const TRect& srcRect) const {
        dst.Draw(dstRect, srcRect, *this);
    }

    // ---- Text (render_text.cpp) --------------------------------------
    // The text rasterizer this bitmap measures and draws with: its own when
    // one is set, else the process default (SetDefaultTextRasterizer). With
    // neither, text measures 0 x 0 and draws nothing. Not owned; copied
    // with the bitmap.
    void SetTextRasterizer(TextRasterizer* r) { textRasterizer_ = r; }
    TextRasterizer* GetTextRasterizer() const;

    TSize TextExtent(std::u16string_view s) const;
    int TextWidth(std::u16string_view s) const { return TextExtent(s).cx; }
    int TextHeight(std::u16string_view s) const { return TextExtent(s).cy; }
    // The platform's glyph output of s with this bitmap's font and font
    // colour, top-left at (x, y); the background is left untouched.
    void Textout(int x, int y, std::u16string_view s);
    // Anti-aliased text with alpha. Level 0: the platform's glyph smoothing
    // becomes the alpha; levels 1..4 super-sample 2^level times per axis
    // (see render_text.h).
    void RenderText(int x, int y, std::u16string_view s, int level, TColor32 c);

private:
    TColor32 StippleColorAt(std::int64_t index) const;
    void StippleRow(int y, int x1, int x2, std::int64_t index0, int dir);
    void StippleColumn(int x, int y1, int y2, std::int64_t index0, int dir);

    std::vector<TColor32> bits_;
    int width_ = 0;
    int height_ = 0;
    TRect clip_{};
    TColor32 outerColor_ = 0;
    std::uint8_t masterAlpha_ = 255;
    TDrawMode drawMode_ = dmOpaque;
    TCombineMode combineMode_ = cmBlend;
    TResamplerKind resampler_ = rkNearest;
    TFontDesc font_{};
    std::vector<TColor32> stipple_;
    double stippleStep_ = 1.0;
    double stippleCounter_ = 0.0;
    TextRasterizer* textRasterizer_ = nullptr;
};

}  // namespace lg
