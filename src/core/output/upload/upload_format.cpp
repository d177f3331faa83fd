#include "output/upload/upload_format.h"

namespace lg {

UploadEncoding UploadEncodingOf(int formatSetting) noexcept {
    if (PictureFormatOf(formatSetting) == PictureFormat::kJpeg) {
        return {PictureFormat::kJpeg, ".JPG"};
    }
    return {PictureFormat::kPng, ".PNG"};
}

EncodeStatus EncodeForUpload(const ImageView32& picture, int formatSetting,
                             std::vector<std::uint8_t>& out) {
    return EncodePicture(picture, UploadEncodingOf(formatSetting).format, out);
}

}  // namespace lg
