// Windows bitmap output: a .bmp file, and the same picture as a CF_DIB
// clipboard block.
#pragma once

#include <cstdint>
#include <vector>

#include "output/encode_status.h"
#include "output/image_view.h"

namespace lg {

inline constexpr uint32_t kBmpFileHeaderBytes = 14;  // BITMAPFILEHEADER
inline constexpr uint32_t kBmpInfoHeaderBytes = 40;  // BITMAPINFOHEADER

// Appends a 24-bit, bottom-up, uncompressed .bmp file (BITMAPFILEHEADER,
// BITMAPINFOHEADER, rows padded to 4 bytes). On failure `out` is left as it
// was.
[[nodiscard]] EncodeStatus EncodeBmp(const ImageView32& image, std::vector<uint8_t>& out);

// Appends the packed DIB the clipboard's CF_DIB format holds: the same
// BITMAPINFOHEADER and rows as EncodeBmp, without the file header. 24-bit
// bottom-up is what every reader of the clipboard understands.
[[nodiscard]] EncodeStatus EncodeDib(const ImageView32& image, std::vector<uint8_t>& out);

}  // namespace lg
