#include "support/test_pictures.h"

#include <cstdint>
#include <random>
#include <stdexcept>
#include <vector>

#include "output/jpeg_encoder.h"
#include "output/png_encoder.h"

namespace lg::srv::test {
namespace {

std::vector<uint32_t> Noise(int width, int height, unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    for (uint32_t& p : pixels) p = 0xFF000000u | (rng() & 0xFFFFFFu);
    return pixels;
}

template <typename Encode>
std::string EncodeWith(int width, int height, unsigned seed, Encode encode) {
    const std::vector<uint32_t> pixels = Noise(width, height, seed);
    std::vector<uint8_t> out;
    if (encode(ImageView32{pixels.data(), width, height, width}, out) != EncodeStatus::kOk) {
        throw std::runtime_error("test picture did not encode");
    }
    return std::string(out.begin(), out.end());
}

}  // namespace

std::string MakePng(int width, int height, unsigned seed) {
    return EncodeWith(width, height, seed, [](const ImageView32& v, std::vector<uint8_t>& out) {
        return EncodePng(v, out, PngOptions{1});
    });
}

std::string MakeJpeg(int width, int height, unsigned seed) {
    return EncodeWith(width, height, seed, [](const ImageView32& v, std::vector<uint8_t>& out) {
        return EncodeJpeg(v, out);
    });
}

}  // namespace lg::srv::test
