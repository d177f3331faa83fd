// Internal: the blend row of TBitmap32::Draw, portable and with SSE2, so
// the tests can hold the fast one to the other. Not for use outside
// src/core/raster.
#pragma once

#include <cstdint>

#include "raster/color32.h"

namespace lg::transfer_detail {

// Every source pixel blended over the destination with W = its alpha
// scaled by `master`: each channel (B·(256 − W) + F·W + 128) / 256, and F
// itself at W = 255.
void BlendRowPortable(TColor32* d, const TColor32* s, int n, std::uint32_t master);

// The same for a master alpha of 255 (W = the source alpha), four pixels
// at a time; call only when simd::HasSse2().
void BlendRowOpaqueMasterSse2(TColor32* d, const TColor32* s, int n);

}  // namespace lg::transfer_detail
