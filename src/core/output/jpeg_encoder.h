// JPEG encoding of a captured picture: baseline, quality 90.
#pragma once

#include <cstdint>
#include <vector>

#include "output/encode_status.h"
#include "output/image_view.h"

namespace lg {

inline constexpr int kJpegQuality = 90;

// Appends a baseline JFIF file of `image` to `out`, colour kept at full
// resolution (4:4:4): screenshots are text and thin coloured strokes, which
// halved chroma smears into coloured fringes. On failure `out` is left as it
// was.
[[nodiscard]] EncodeStatus EncodeJpeg(const ImageView32& image, std::vector<uint8_t>& out);

}  // namespace lg
