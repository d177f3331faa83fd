// Box blur of the blur tool.
#pragma once

#include "raster/bitmap32.h"
#include "raster/geometry.h"

namespace lg {

// Radii above this are taken as this: a 257-pixel box already blurs past
// recognition, and the sums of one window (k * 255) then fit 16 bits, which
// lets the four channels share one 64-bit word.
inline constexpr int kMaxBlurRadius = 128;

// Box blur of radius r over the clip rectangle of `bmp`, once along rows
// and once along columns, on all four channels separately; pixels beyond
// the borders repeat the edge pixels. Each pass replaces a pixel by the
// truncated mean of the k = 2r + 1 pixels around it (sliding sums, then
// i div k). The caller of the tool blurs only when both sides exceed r,
// but any size works: edges repeat however small the bitmap. r <= 0
// changes nothing.
void BoxBlur(TBitmap32& bmp, int r);

// Part of a blur without blurring the rest: the pixels `part` of what
// BoxBlur would make of the rectangle `box` of src (cut out on its own, so
// its edges repeat and nothing beyond it counts), each or-ed with orMask,
// written into dst with part's top-left at (atX, atY). box and part are in src's
// coordinates; part is cut to box and to what fits in dst. dst must not
// share pixels with src's box. Costs about part's area plus r rows and
// columns around it, which lets a growing blurred rectangle redo only the
// bands along its edges. r <= 0 copies.
void BoxBlurPart(const TBitmap32& src, const TRect& box, const TRect& part, int r, TBitmap32& dst,
                 int atX, int atY, TColor32 orMask = 0);

}  // namespace lg
