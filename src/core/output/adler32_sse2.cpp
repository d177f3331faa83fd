#include "output/adler32_p.h"
#include "simd/dispatch.h"

#if LG_HAVE_SSE2_PATH
#include <emmintrin.h>

#include <algorithm>
#include <cstddef>

namespace lg {
namespace {

constexpr uint32_t kBase = 65521;  // largest prime below 2^16
// Most bytes that can be summed before s2 may overflow 32 bits (zlib's NMAX),
// rounded down to whole 16-byte blocks.
constexpr size_t kChunk = 5552 / 16 * 16;

LG_TARGET_SSE2 uint32_t HorizontalSum(__m128i v) {
    v = _mm_add_epi32(v, _mm_shuffle_epi32(v, _MM_SHUFFLE(1, 0, 3, 2)));
    v = _mm_add_epi32(v, _mm_shuffle_epi32(v, _MM_SHUFFLE(2, 3, 0, 1)));
    return static_cast<uint32_t>(_mm_cvtsi128_si32(v));
}

}  // namespace

// s1 is the sum of the bytes, s2 the sum of the s1 after each byte. Over a
// block of 16 bytes b0..b15 that starts at s1, s2 grows by 16 * s1 plus
// 16 * b0 + 15 * b1 + ... + 1 * b15: _mm_sad_epu8 sums the bytes, and
// _mm_madd_epi16 the weighted bytes.
LG_TARGET_SSE2 uint32_t Adler32Sse2(uint32_t adler, std::span<const uint8_t> data) {
    uint32_t s1 = adler & 0xFFFF;
    uint32_t s2 = adler >> 16;
    const uint8_t* p = data.data();
    size_t left = data.size();
    const __m128i zero = _mm_setzero_si128();
    const __m128i weightsLow = _mm_setr_epi16(16, 15, 14, 13, 12, 11, 10, 9);
    const __m128i weightsHigh = _mm_setr_epi16(8, 7, 6, 5, 4, 3, 2, 1);

    while (left >= 16) {
        const size_t chunk = std::min(left, kChunk) & ~size_t{15};
        __m128i vs1 = zero;     // byte sums (in the low halves of two 64-bit lanes)
        __m128i vs1Acc = zero;  // the vs1 before each block, summed
        __m128i vs2 = zero;     // weighted byte sums
        for (size_t i = 0; i < chunk; i += 16) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
            vs1Acc = _mm_add_epi32(vs1Acc, vs1);
            vs1 = _mm_add_epi32(vs1, _mm_sad_epu8(bytes, zero));
            vs2 = _mm_add_epi32(vs2, _mm_madd_epi16(_mm_unpacklo_epi8(bytes, zero), weightsLow));
            vs2 = _mm_add_epi32(vs2, _mm_madd_epi16(_mm_unpackhi_epi8(bytes, zero), weightsHigh));
        }
        const uint32_t blocks = static_cast<uint32_t>(chunk / 16);
        s2 += s1 * 16 * blocks + HorizontalSum(vs2) + 16 * HorizontalSum(vs1Acc);
        s1 += HorizontalSum(vs1);
        s1 %= kBase;
        s2 %= kBase;
        p += chunk;
        left -= chunk;
    }
    for (; left > 0; --left) {
        s1 += *p++;
        s2 += s1;
    }
    return (s2 % kBase) << 16 | (s1 % kBase);
}

}  // namespace lg
#else
namespace lg {
// Without the vector path its name stands for the portable one.
uint32_t Adler32Sse2(uint32_t adler, std::span<const uint8_t> data) {
    return Adler32Portable(adler, data);
}
}  // namespace lg
#endif
