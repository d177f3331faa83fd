#include "output/adler32_p.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "simd/dispatch.h"

namespace lg {
namespace {

// The definition: s1 = 1 + sum of bytes, s2 = sum of the running s1, both
// modulo 65521.
uint32_t ReferenceAdler(uint32_t adler, const std::vector<uint8_t>& data) {
    uint64_t s1 = adler & 0xFFFF, s2 = adler >> 16;
    for (uint8_t b : data) {
        s1 = (s1 + b) % 65521;
        s2 = (s2 + s1) % 65521;
    }
    return static_cast<uint32_t>(s2 << 16 | s1);
}

TEST(Adler32, BothPathsMatchTheDefinition) {
    std::mt19937 rng(77);
    std::vector<std::vector<uint8_t>> inputs;
    // Lengths around the 16-byte steps and the 5536-byte chunks between
    // reductions; all-0xFF data is the worst case for overflow.
    for (size_t size : {0u, 1u, 15u, 16u, 17u, 5535u, 5536u, 5537u, 11072u, 100000u}) {
        std::vector<uint8_t> random(size), ones(size, 0xFF);
        for (auto& b : random) b = static_cast<uint8_t>(rng());
        inputs.push_back(std::move(random));
        inputs.push_back(std::move(ones));
    }
    for (const auto& data : inputs) {
        // A fresh check, and one continued from a large running value.
        for (uint32_t start : {1u, 0xFFF0FFF0u}) {
            const uint32_t expected = ReferenceAdler(start, data);
            EXPECT_EQ(Adler32Portable(start, data), expected) << data.size() << " bytes";
            if (simd::HasSse2()) {
                EXPECT_EQ(Adler32Sse2(start, data), expected) << data.size() << " bytes";
            }
            EXPECT_EQ(Adler32(start, data), expected) << data.size() << " bytes";
        }
    }
}

}  // namespace
}  // namespace lg
