// How an uploaded picture is encoded: JPEG with the `format` setting on
// JPEG, PNG for everything else (BMP is never uploaded).
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "output/encode_status.h"
#include "output/image_view.h"
#include "output/picture_format.h"

namespace lg {

struct UploadEncoding {
    PictureFormat format;
    std::string_view tag;  // the "format" part: ".PNG" or ".JPG"
};

UploadEncoding UploadEncodingOf(int formatSetting) noexcept;

// The picture file to upload, appended to `out`.
[[nodiscard]] EncodeStatus EncodeForUpload(const ImageView32& picture, int formatSetting,
                                           std::vector<std::uint8_t>& out);

}  // namespace lg
