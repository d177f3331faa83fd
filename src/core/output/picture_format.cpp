#include "output/picture_format.h"

#include "output/bmp_encoder.h"
#include "output/jpeg_encoder.h"
#include "output/png_encoder.h"

namespace lg {

PictureFormat PictureFormatOf(int format) {
    switch (format) {
        case 1:
            return PictureFormat::kJpeg;
        case 2:
            return PictureFormat::kBmp;
        default:
            return PictureFormat::kPng;
    }
}

std::u16string_view ExtensionOf(PictureFormat format) {
    switch (format) {
        case PictureFormat::kJpeg:
            return u".jpg";
        case PictureFormat::kBmp:
            return u".bmp";
        case PictureFormat::kPng:
            break;
    }
    return u".png";
}

EncodeStatus EncodePicture(const ImageView32& image, PictureFormat format,
                           std::vector<uint8_t>& out) {
    switch (format) {
        case PictureFormat::kJpeg:
            return EncodeJpeg(image, out);
        case PictureFormat::kBmp:
            return EncodeBmp(image, out);
        case PictureFormat::kPng:
            break;
    }
    return EncodePng(image, out);
}

}  // namespace lg
