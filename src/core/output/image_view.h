// What every encoder reads: a borrowed, read-only 32-bit picture.
#pragma once

#include <cstddef>
#include <cstdint>

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

// The channels of one pixel.
constexpr uint8_t RedOf(uint32_t argb) {
    return static_cast<uint8_t>(argb >> 16);
}
constexpr uint8_t GreenOf(uint32_t argb) {
    return static_cast<uint8_t>(argb >> 8);
}
constexpr uint8_t BlueOf(uint32_t argb) {
    return static_cast<uint8_t>(argb);
}

}  // namespace lg
