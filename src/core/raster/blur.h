// Box blur of the blur tool.
#pragma once

#include "raster/bitmap32.h"

namespace lg {

// Radii above this are taken as this: a 257-pixel box already blurs past
// recognition, and the sums of one window (k * 255) then fit 16 bits, which
// lets the four channels share one 64-bit word.
inline constexpr int kMaxBlurRadius = 128;

// Box blur of radius r over the clip rectangle of `bmp`, once along rows
// and once along columns, on all four channels separately; pixels beyond
// the borders repeat the edge pixels. Each pass replaces a pixel by the
// truncated mean of the k = 2r + 1 pixels around it, found with sliding
// sums and a table of i div k. The caller of the tool blurs only when both
// sides exceed r, but any size works: edges repeat however small the
// bitmap. r <= 0 changes nothing.
void BoxBlur(TBitmap32& bmp, int r);

}  // namespace lg
