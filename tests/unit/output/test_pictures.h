// Small synthetic pictures for the encoder tests, each standing for a kind
// of screen content, built from a fixed start value so failures repeat.
#pragma once

#include <cstdint>
#include <random>
#include <vector>

#include "output/image_view.h"

namespace lg::test {

// Owns the pixels behind an ImageView32. Pixels beyond the width of a row
// (when stride > width) hold a marker value that must never reach a file.
struct Picture {
    static constexpr uint32_t kPadding = 0xDEADBEEFu;

    int width = 0;
    int height = 0;
    int stride = 0;
    std::vector<uint32_t> pixels;

    Picture(int w, int h, int s = 0) : width(w), height(h), stride(s > 0 ? s : w) {
        pixels.assign(static_cast<size_t>(stride) * h, kPadding);
    }
    ImageView32 View() const { return {pixels.data(), width, height, stride}; }
    uint32_t& At(int x, int y) { return pixels[static_cast<size_t>(y) * stride + x]; }
    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * stride + x]; }

    // The R, G, B bytes every lossless encoder must reproduce, top row first.
    std::vector<uint8_t> Rgb() const {
        std::vector<uint8_t> rgb;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                rgb.push_back(RedOf(At(x, y)));
                rgb.push_back(GreenOf(At(x, y)));
                rgb.push_back(BlueOf(At(x, y)));
            }
        }
        return rgb;
    }
};

inline uint32_t Opaque(uint32_t rgb) {
    return 0xFF000000u | rgb;
}

// Every channel random, alpha random too: nothing repeats, nothing predicts.
inline Picture Noise(int w, int h, uint32_t start = 1, int stride = 0) {
    Picture p(w, h, stride);
    std::mt19937 rng(start);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) p.At(x, y) = static_cast<uint32_t>(rng());
    return p;
}

inline Picture Flat(int w, int h, uint32_t rgb = 0x091A32) {
    Picture p(w, h);
    for (uint32_t& v : p.pixels) v = Opaque(rgb);
    return p;
}

// A smooth diagonal ramp with a little noise: what photos look like to a
// filter.
inline Picture Photo(int w, int h, uint32_t start = 2) {
    Picture p(w, h);
    std::mt19937 rng(start);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            auto jitter = [&] { return static_cast<int>(rng() % 5); };
            uint32_t r = static_cast<uint32_t>((x + y + jitter()) & 0xFF);
            uint32_t g = static_cast<uint32_t>((2 * x + jitter()) & 0xFF);
            uint32_t b = static_cast<uint32_t>((3 * y + jitter()) & 0xFF);
            p.At(x, y) = Opaque(r << 16 | g << 8 | b);
        }
    }
    return p;
}

// A light page with rows of repeated dark "glyphs": the exact repeats of
// rendered text.
inline Picture Text(int w, int h, uint32_t start = 3) {
    Picture p = Flat(w, h, 0xF4F5F7);
    std::mt19937 rng(start);
    std::vector<uint32_t> glyphs(4 * 5 * 7);
    for (uint32_t& g : glyphs) g = rng() % 3 == 0 ? Opaque(0x202020 + (rng() % 4) * 0x111111) : 0;
    for (int line = 2; line + 7 <= h; line += 10) {
        for (int x0 = 3; x0 + 5 <= w; x0 += 6) {
            const uint32_t* glyph = &glyphs[(rng() % 4) * 35];
            for (int y = 0; y < 7; ++y)
                for (int x = 0; x < 5; ++x)
                    if (glyph[y * 5 + x] != 0) p.At(x0 + x, line + y) = glyph[y * 5 + x];
        }
    }
    return p;
}

// A photo on the left, text on the right, like a web page with a picture.
inline Picture Mixed(int w, int h) {
    Picture p = Text(w, h);
    Picture photo = Photo(w / 2, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w / 2; ++x) p.At(x, y) = photo.At(x, y);
    return p;
}

}  // namespace lg::test
