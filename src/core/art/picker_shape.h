// The two bitmap routines that shape the pickers' windows: turning a
// background picture upside down, and reading the window's outline out of it
// as rows of rectangles (the shell unites them into the window's region).
#pragma once

#include <vector>

#include "raster/bitmap32.h"

namespace lg::art {

// Swaps row y with row Height() - 1 - y for every y below Height() / 2: an
// exact mirror; with an odd height the middle row stays.
void FlipBitmapVertically(TBitmap32& b);

// The pixels whose colour differs from `cutOut` (alpha ignored), as runs:
// one rectangle [start, end) x [y, y + 1) for every run of such pixels in a
// row, rows top to bottom, runs left to right. Empty when every pixel is the
// cut-out colour.
std::vector<TRect> BitmapToRegionRects(const TBitmap32& b, TColor32 cutOut);

}  // namespace lg::art
