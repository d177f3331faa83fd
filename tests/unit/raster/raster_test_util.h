// Small helpers shared by the raster tests.
#pragma once

#include <cstdint>
#include <optional>
#include <random>

#include "raster/bitmap32.h"

namespace lg::testing {

// Every pixel a random ARGB value.
inline void FillRandom(TBitmap32& b, std::mt19937& rng) {
    std::uniform_int_distribution<std::uint32_t> any;
    for (TColor32& p : b.Pixels()) p = any(rng);
}

// Bounding box of the pixels that differ from `background`; nullopt if none.
inline std::optional<TRect> ChangedBox(const TBitmap32& b, TColor32 background) {
    std::optional<TRect> box;
    for (int y = 0; y < b.Height(); ++y) {
        for (int x = 0; x < b.Width(); ++x) {
            if (*b.PixelPtr(x, y) == background) continue;
            if (!box) {
                box = TRect{x, y, x + 1, y + 1};
            } else {
                box->Left = std::min(box->Left, x);
                box->Top = std::min(box->Top, y);
                box->Right = std::max(box->Right, x + 1);
                box->Bottom = std::max(box->Bottom, y + 1);
            }
        }
    }
    return box;
}

inline int CountChanged(const TBitmap32& b, TColor32 background) {
    int n = 0;
    for (TColor32 p : b.Pixels()) n += p != background;
    return n;
}

}  // namespace lg::testing
