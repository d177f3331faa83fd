// PNG encoding of a captured picture: 8-bit RGB, no transparency.
#pragma once

#include <cstdint>
#include <vector>

#include "output/encode_status.h"
#include "output/image_view.h"

namespace lg {

struct PngOptions {
    // Threads that filter and compress bands of rows: 0 takes one per
    // hardware thread, 1 keeps all work on the calling thread. The file is
    // the same bytes either way.
    int threads = 0;
};

// Appends a complete PNG file of `image` to `out`. On failure `out` is left
// as it was.
[[nodiscard]] EncodeStatus EncodePng(const ImageView32& image, std::vector<uint8_t>& out,
                                     const PngOptions& options = {});

}  // namespace lg
