// What every encoder reads: a borrowed, read-only 32-bit picture.
#pragma once

#include <cstddef>
#include <cstdint>

// RedOf, GreenOf, BlueOf: the channels of one pixel.
#include "raster/color32.h"

namespace lg {

// Pixels are $AARRGGBB words (bytes B, G, R, A in memory); alpha is ignored
// by every encoder because no output carries transparency. `stride` counts
// pixels from the start of one row to the next and may exceed `width`.
struct ImageView32 {
    const uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;

    const uint32_t* Row(int y) const { return pixels + static_cast<std::ptrdiff_t>(y) * stride; }

    // A view the encoders can read without running off its rows. A 0x0 or
    // negative size is not encodable: no format can hold an empty picture.
    bool IsEncodable() const {
        return pixels != nullptr && width > 0 && height > 0 && stride >= width;
    }
};

}  // namespace lg
