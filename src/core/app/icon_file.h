// The program's icon as a Windows .ico file (the exe's icon resource and the
// installer's), built from the same drawing as the tray icon.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace lg {

// One image of an icon file: `size` × `size` pixels, row-major from the top,
// $AARRGGBB straight alpha (what DrawAppIcon returns).
struct IconImage {
    int size = 0;
    std::vector<uint32_t> pixels;
};

// The .ico bytes holding every image as a 32-bit bitmap with its AND mask
// (clear where alpha is 0). Empty when an image is not 1..256 pixels or its
// pixel count does not match its size.
std::vector<uint8_t> EncodeIcoFile(std::span<const IconImage> images);

// DrawAppIcon at each of `sizes`, encoded as above.
std::vector<uint8_t> AppIconFile(std::span<const int> sizes);

}  // namespace lg
