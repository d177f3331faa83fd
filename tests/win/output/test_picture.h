// A small picture whose every pixel differs, for reading back what was
// written: a wrong row order, a swapped channel or a lost padding byte all
// change what comes back.
#pragma once

#include <cstdint>
#include <vector>

#include "output/image_view.h"

namespace lg::win::test {

struct TestPicture {
    int width = 0;
    int height = 0;
    int stride = 0;
    std::vector<uint32_t> pixels;

    // Odd sizes make BMP rows need padding; stride > width leaves pixels
    // past each row's end that must never be written.
    TestPicture(int w, int h, int s) : width(w), height(h), stride(s) {
        pixels.assign(static_cast<size_t>(s) * h, 0xFFDEADBEu);
        uint32_t state = 12345;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                state = state * 1103515245u + 12345u;
                pixels[static_cast<size_t>(y) * s + x] = 0xFF000000u | (state >> 8);
            }
        }
    }
    ImageView32 View() const { return {pixels.data(), width, height, stride}; }

    // R, G, B of every pixel, top row first.
    std::vector<uint8_t> Rgb() const {
        std::vector<uint8_t> rgb;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const uint32_t p = pixels[static_cast<size_t>(y) * stride + x];
                rgb.push_back(RedOf(p));
                rgb.push_back(GreenOf(p));
                rgb.push_back(BlueOf(p));
            }
        }
        return rgb;
    }
};

// R, G, B of a packed 24-bit bottom-up DIB (BITMAPINFOHEADER first), top
// row first; empty when the header is not that kind.
inline std::vector<uint8_t> DibRgb(const uint8_t* dib, size_t size, int& width, int& height) {
    if (size < 40) return {};
    auto le32 = [&](size_t at) {
        return static_cast<int32_t>(uint32_t{dib[at]} | uint32_t{dib[at + 1]} << 8 |
                                    uint32_t{dib[at + 2]} << 16 | uint32_t{dib[at + 3]} << 24);
    };
    const int32_t headerSize = le32(0);
    width = le32(4);
    height = le32(8);
    const int bits = dib[14] | dib[15] << 8;
    const int32_t compression = le32(16);
    if (headerSize != 40 || width <= 0 || height <= 0 || bits != 24 || compression != 0) return {};
    const size_t rowBytes = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
    if (size < 40 + rowBytes * height) return {};
    std::vector<uint8_t> rgb;
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = dib + 40 + rowBytes * (height - 1 - y);
        for (int x = 0; x < width; ++x) {
            rgb.push_back(row[3 * x + 2]);
            rgb.push_back(row[3 * x + 1]);
            rgb.push_back(row[3 * x]);
        }
    }
    return rgb;
}

}  // namespace lg::win::test
