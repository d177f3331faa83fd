// The upload progress bar: a rounded track with a rounded accent fill
// growing from its left end.
#pragma once

#include "dpi/display_scale.h"
#include "raster/bitmap32.h"

namespace lg::art {

// The bar's size in 96-DPI pixels.
inline constexpr int kProgressBarWidth = 359;
inline constexpr int kProgressBarHeight = 12;

inline constexpr TColor32 kProgressTrackFill = Color32(31, 51, 80);

// The bar at `position` percent (clamped to 0..100), Px(359) x Px(12)
// pixels, opaque on the panel surface: the track filled and outlined
// (Px(1) wide) with corners of radius (height - 2) / 2, then the accent
// fill over the left position * width / 100 pixels (halves to even) with
// the same corners.
TBitmap32 DrawProgressBar(int position, DisplayScale scale = {});

}  // namespace lg::art
