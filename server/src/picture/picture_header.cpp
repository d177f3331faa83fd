#include "picture/picture_header.h"

#include <array>
#include <cstring>

namespace lg::srv {
namespace {

constexpr std::array<uint8_t, 8> kPngSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// Length 0, "IEND", and the CRC of "IEND": a complete PNG always ends so.
constexpr std::array<uint8_t, 12> kPngEnd = {0,   0,   0,    0,    'I',  'E',
                                             'N', 'D', 0xAE, 0x42, 0x60, 0x82};
// PNG sizes are 31-bit; a larger value is a forged header.
constexpr uint32_t kPngMaxSide = 0x7FFFFFFFu;

uint32_t Be32(const uint8_t* p) {
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}
uint32_t Be16(const uint8_t* p) {
    return (uint32_t{p[0]} << 8) | p[1];
}

bool PngDepthFits(uint8_t colorType, uint8_t depth) {
    switch (colorType) {
        case 0:
            return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
        case 3:
            return depth == 1 || depth == 2 || depth == 4 || depth == 8;
        case 2:
        case 4:
        case 6:
            return depth == 8 || depth == 16;
        default:
            return false;
    }
}

std::optional<PictureHeader> ReadPng(std::span<const uint8_t> b) {
    // Signature, IHDR chunk (4 length + 4 type + 13 data + 4 CRC), IEND.
    constexpr size_t kIhdrEnd = 8 + 4 + 4 + 13 + 4;
    if (b.size() < kIhdrEnd + kPngEnd.size()) return std::nullopt;
    if (std::memcmp(b.data(), kPngSignature.data(), kPngSignature.size()) != 0) return std::nullopt;
    const uint8_t* ihdr = b.data() + 8;
    if (Be32(ihdr) != 13 || std::memcmp(ihdr + 4, "IHDR", 4) != 0) return std::nullopt;
    const uint32_t width = Be32(ihdr + 8);
    const uint32_t height = Be32(ihdr + 12);
    const uint8_t depth = ihdr[16];
    const uint8_t colorType = ihdr[17];
    if (width == 0 || height == 0 || width > kPngMaxSide || height > kPngMaxSide) {
        return std::nullopt;
    }
    if (!PngDepthFits(colorType, depth)) return std::nullopt;
    // Compression, filter and interlace methods: only those PNG defines.
    if (ihdr[18] != 0 || ihdr[19] != 0 || ihdr[20] > 1) return std::nullopt;
    const uint8_t* tail = b.data() + b.size() - kPngEnd.size();
    if (std::memcmp(tail, kPngEnd.data(), kPngEnd.size()) != 0) return std::nullopt;
    return PictureHeader{PictureFormat::Png, width, height};
}

// Frame header markers SOF0..SOF15, leaving out DHT (C4), JPG (C8) and
// DAC (CC), which share the range.
bool IsFrameMarker(uint8_t m) {
    return m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC;
}

std::optional<PictureHeader> ReadJpeg(std::span<const uint8_t> b) {
    if (b.size() < 4 || b[0] != 0xFF || b[1] != 0xD8) return std::nullopt;
    if (b[b.size() - 2] != 0xFF || b[b.size() - 1] != 0xD9) return std::nullopt;
    size_t pos = 2;
    // Segments before the first scan: marker, 16-bit length, payload. The
    // frame header comes before the scan in every JPEG process.
    while (pos + 4 <= b.size()) {
        if (b[pos] != 0xFF) return std::nullopt;
        uint8_t marker = b[pos + 1];
        if (marker == 0xFF) {  // fill byte before a marker
            ++pos;
            continue;
        }
        if (marker == 0xD8 || marker == 0xD9 || marker == 0xDA || marker == 0x01 ||
            (marker >= 0xD0 && marker <= 0xD7)) {
            return std::nullopt;  // no frame header before the image data
        }
        const uint32_t length = Be16(b.data() + pos + 2);
        if (length < 2 || pos + 2 + length > b.size()) return std::nullopt;
        if (IsFrameMarker(marker)) {
            // Precision, height, width, component count.
            if (length < 8) return std::nullopt;
            const uint32_t height = Be16(b.data() + pos + 5);
            const uint32_t width = Be16(b.data() + pos + 7);
            const uint8_t components = b[pos + 9];
            if (width == 0 || height == 0 || components == 0) return std::nullopt;
            if (length != 8 + 3u * components) return std::nullopt;
            return PictureHeader{PictureFormat::Jpeg, width, height};
        }
        pos += 2 + length;
    }
    return std::nullopt;
}

}  // namespace

std::optional<PictureHeader> ReadPictureHeader(std::span<const uint8_t> bytes) {
    if (!bytes.empty() && bytes[0] == kPngSignature[0]) return ReadPng(bytes);
    return ReadJpeg(bytes);
}

std::string_view PictureExtension(PictureFormat format) {
    return format == PictureFormat::Png ? "png" : "jpg";
}

std::string_view PictureContentType(PictureFormat format) {
    return format == PictureFormat::Png ? "image/png" : "image/jpeg";
}

}  // namespace lg::srv
