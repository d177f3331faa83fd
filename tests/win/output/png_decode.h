// A small PNG reader for the tests: 8-bit RGB files as the program writes
// them, every row filter, the image data inflated with zlib.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <span>
#include <vector>

namespace lg::win::test {

struct DecodedPng {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;  // top row first
};

inline uint32_t BigEndian32(const uint8_t* p) {
    return uint32_t{p[0]} << 24 | uint32_t{p[1]} << 16 | uint32_t{p[2]} << 8 | p[3];
}

inline std::optional<DecodedPng> DecodePng(std::span<const uint8_t> file) {
    static constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (file.size() < 8 || std::memcmp(file.data(), kSignature, 8) != 0) return std::nullopt;
    DecodedPng png;
    std::vector<uint8_t> idat;
    bool ended = false;
    for (size_t at = 8; at + 12 <= file.size() && !ended;) {
        const uint32_t length = BigEndian32(&file[at]);
        if (length > file.size() - at - 12) return std::nullopt;
        const uint8_t* type = &file[at + 4];
        const uint8_t* data = &file[at + 8];
        if (crc32(0, type, length + 4) != BigEndian32(data + length)) return std::nullopt;
        if (std::memcmp(type, "IHDR", 4) == 0) {
            if (length != 13 || data[8] != 8 || data[9] != 2 || data[12] != 0) return std::nullopt;
            png.width = static_cast<int>(BigEndian32(data));
            png.height = static_cast<int>(BigEndian32(data + 4));
        } else if (std::memcmp(type, "IDAT", 4) == 0) {
            idat.insert(idat.end(), data, data + length);
        } else if (std::memcmp(type, "IEND", 4) == 0) {
            ended = true;
        }
        at += 12 + length;
    }
    if (!ended || png.width <= 0 || png.height <= 0) return std::nullopt;

    const size_t rowBytes = static_cast<size_t>(png.width) * 3;
    std::vector<uint8_t> raw((rowBytes + 1) * png.height);
    uLongf rawSize = static_cast<uLongf>(raw.size());
    if (uncompress(raw.data(), &rawSize, idat.data(), static_cast<uLong>(idat.size())) != Z_OK ||
        rawSize != raw.size()) {
        return std::nullopt;
    }
    png.rgb.resize(rowBytes * png.height);
    std::vector<uint8_t> zero(rowBytes, 0);
    for (int y = 0; y < png.height; ++y) {
        const uint8_t filter = raw[y * (rowBytes + 1)];
        const uint8_t* in = &raw[y * (rowBytes + 1) + 1];
        uint8_t* out = &png.rgb[y * rowBytes];
        const uint8_t* up = y > 0 ? out - rowBytes : zero.data();
        for (size_t i = 0; i < rowBytes; ++i) {
            const int a = i >= 3 ? out[i - 3] : 0;
            const int b = up[i];
            const int c = i >= 3 ? up[i - 3] : 0;
            int predicted = 0;
            switch (filter) {
                case 0:
                    break;
                case 1:
                    predicted = a;
                    break;
                case 2:
                    predicted = b;
                    break;
                case 3:
                    predicted = (a + b) / 2;
                    break;
                case 4: {
                    const int p = a + b - c;
                    const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
                    predicted = pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
                    break;
                }
                default:
                    return std::nullopt;
            }
            out[i] = static_cast<uint8_t>(in[i] + predicted);
        }
    }
    return png;
}

}  // namespace lg::win::test
