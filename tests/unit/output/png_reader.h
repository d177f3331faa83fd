// Reading PNG files back in the tests: the chunk layout with independently
// checked CRCs, and the pixels through libpng (which checks CRCs and the
// zlib stream's Adler-32 itself).
#pragma once

#include <png.h>
#include <zlib.h>

#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <vector>

namespace lg::test {

struct PngChunk {
    std::string type;
    std::vector<uint8_t> data;
    bool crcOk = false;
};

inline uint32_t ReadBigEndian32(const uint8_t* p) {
    return uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | p[3];
}

// The chunks after the signature; empty when the signature is wrong or a
// chunk runs past the end.
inline std::vector<PngChunk> ReadChunks(std::span<const uint8_t> file) {
    static constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (file.size() < 8 || std::memcmp(file.data(), kSignature, 8) != 0) return {};
    std::vector<PngChunk> chunks;
    size_t at = 8;
    while (at + 12 <= file.size()) {
        const uint32_t length = ReadBigEndian32(&file[at]);
        if (length > file.size() - at - 12) return {};
        PngChunk chunk;
        chunk.type.assign(reinterpret_cast<const char*>(&file[at + 4]), 4);
        chunk.data.assign(&file[at + 8], &file[at + 8] + length);
        const uint32_t stored = ReadBigEndian32(&file[at + 8 + length]);
        chunk.crcOk = crc32(0, &file[at + 4], length + 4) == stored;
        chunks.push_back(std::move(chunk));
        at += 12 + length;
    }
    if (at != file.size()) return {};
    return chunks;
}

struct DecodedPng {
    bool ok = false;
    std::string error;
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;
};

inline DecodedPng DecodePng(std::span<const uint8_t> file) {
    DecodedPng result;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_memory(&image, file.data(), file.size())) {
        image.format = PNG_FORMAT_RGB;
        result.rgb.resize(PNG_IMAGE_SIZE(image));
        if (png_image_finish_read(&image, nullptr, result.rgb.data(), 0, nullptr)) {
            result.ok = true;
            result.width = static_cast<int>(image.width);
            result.height = static_cast<int>(image.height);
        }
    }
    if (!result.ok) result.error = image.message;
    png_image_free(&image);
    return result;
}

}  // namespace lg::test
