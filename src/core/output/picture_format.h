// The three picture types the program writes, and how the `format` setting
// picks one of them.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "output/encode_status.h"
#include "output/image_view.h"

namespace lg {

enum class PictureFormat { kPng, kJpeg, kBmp };

// The `format` setting: 0 PNG, 1 JPEG, 2 BMP. Any other number (a registry
// value edited by hand) falls back to PNG, the lossless default.
PictureFormat PictureFormatOf(int format);

// ".png", ".jpg" or ".bmp", lower case.
std::u16string_view ExtensionOf(PictureFormat format);

// Appends the encoded file to `out`; on failure `out` is left as it was.
[[nodiscard]] EncodeStatus EncodePicture(const ImageView32& image, PictureFormat format,
                                         std::vector<uint8_t>& out);

}  // namespace lg
