#include "output/bmp_encoder.h"

#include <algorithm>
#include <limits>
#include <new>

namespace lg {
namespace {

void Put16(std::vector<uint8_t>& out, uint16_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

// Bytes of one stored row: 3 per pixel, padded to a multiple of 4.
uint64_t RowStride(int width) {
    return (static_cast<uint64_t>(width) * 3 + 3) & ~uint64_t{3};
}

// The whole file must be addressable by the 32-bit bfSize, and the buffer
// by this process.
bool FitsFormat(const ImageView32& image) {
    const uint64_t pixelBytes = RowStride(image.width) * static_cast<uint64_t>(image.height);
    const uint64_t limit = std::min<uint64_t>(std::numeric_limits<uint32_t>::max(),
                                              std::numeric_limits<size_t>::max() / 2);
    return pixelBytes + kBmpFileHeaderBytes + kBmpInfoHeaderBytes <= limit;
}

void PutInfoHeader(std::vector<uint8_t>& out, const ImageView32& image, uint32_t pixelBytes) {
    Put32(out, kBmpInfoHeaderBytes);                  // biSize
    Put32(out, static_cast<uint32_t>(image.width));   // biWidth
    Put32(out, static_cast<uint32_t>(image.height));  // biHeight: positive, rows bottom-up
    Put16(out, 1);                                    // biPlanes
    Put16(out, 24);                                   // biBitCount
    Put32(out, 0);                                    // biCompression: BI_RGB
    Put32(out, pixelBytes);                           // biSizeImage
    Put32(out, 0);                                    // biXPelsPerMeter: not known
    Put32(out, 0);                                    // biYPelsPerMeter
    Put32(out, 0);                                    // biClrUsed
    Put32(out, 0);                                    // biClrImportant
}

void PutRows(std::vector<uint8_t>& out, const ImageView32& image) {
    const size_t stride = static_cast<size_t>(RowStride(image.width));
    size_t at = out.size();
    out.resize(at + stride * static_cast<size_t>(image.height));  // padding comes out zero
    for (int y = image.height - 1; y >= 0; --y, at += stride) {
        const uint32_t* pixels = image.Row(y);
        uint8_t* row = out.data() + at;
        for (int x = 0; x < image.width; ++x) {
            row[3 * x] = static_cast<uint8_t>(BlueOf(pixels[x]));
            row[3 * x + 1] = static_cast<uint8_t>(GreenOf(pixels[x]));
            row[3 * x + 2] = static_cast<uint8_t>(RedOf(pixels[x]));
        }
    }
}

EncodeStatus Encode(const ImageView32& image, std::vector<uint8_t>& out, bool withFileHeader) {
    if (!image.IsEncodable()) return EncodeStatus::kEmptyImage;
    if (!FitsFormat(image)) return EncodeStatus::kTooLarge;
    const auto pixelBytes =
        static_cast<uint32_t>(RowStride(image.width) * static_cast<uint64_t>(image.height));
    const size_t originalSize = out.size();
    try {
        out.reserve(originalSize + kBmpFileHeaderBytes + kBmpInfoHeaderBytes + pixelBytes);
        if (withFileHeader) {
            const uint32_t offBits = kBmpFileHeaderBytes + kBmpInfoHeaderBytes;
            out.push_back('B');
            out.push_back('M');
            Put32(out, offBits + pixelBytes);  // bfSize
            Put32(out, 0);                     // bfReserved1, bfReserved2
            Put32(out, offBits);               // bfOffBits
        }
        PutInfoHeader(out, image, pixelBytes);
        PutRows(out, image);
    } catch (const std::bad_alloc&) {
        out.resize(originalSize);
        return EncodeStatus::kOutOfMemory;
    }
    return EncodeStatus::kOk;
}

}  // namespace

EncodeStatus EncodeBmp(const ImageView32& image, std::vector<uint8_t>& out) {
    return Encode(image, out, true);
}

EncodeStatus EncodeDib(const ImageView32& image, std::vector<uint8_t>& out) {
    return Encode(image, out, false);
}

}  // namespace lg
