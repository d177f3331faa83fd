// The row filters and their scores sixteen bytes at a time. Encoding reads
// only original bytes (the left neighbour is the unfiltered one), so there is
// no chain from byte to byte and every step is independent.
#include "output/png_filter_p.h"
#include "simd/dispatch.h"

#if LG_HAVE_SSE2_PATH
#include <emmintrin.h>

#include <algorithm>
#include <cstring>

namespace lg::png {
namespace {

constexpr size_t kStep = 16;
constexpr size_t kBpp = kBytesPerPixel;

LG_TARGET_SSE2 __m128i Load(const uint8_t* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

LG_TARGET_SSE2 void Store(uint8_t* p, __m128i v) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v);
}

LG_TARGET_SSE2 __m128i Select(__m128i mask, __m128i ifSet, __m128i ifClear) {
    return _mm_or_si128(_mm_and_si128(mask, ifSet), _mm_andnot_si128(mask, ifClear));
}

LG_TARGET_SSE2 __m128i Abs16(__m128i v) {
    return _mm_max_epi16(v, _mm_sub_epi16(_mm_setzero_si128(), v));
}

// floor((a + b) / 2): pavgb rounds up, so take back the carry of odd sums.
LG_TARGET_SSE2 __m128i Average(__m128i a, __m128i b) {
    const __m128i odd = _mm_and_si128(_mm_xor_si128(a, b), _mm_set1_epi8(1));
    return _mm_sub_epi8(_mm_avg_epu8(a, b), odd);
}

// The Paeth predictor of eight 16-bit lanes, with its tie order: a, then b,
// then c.
LG_TARGET_SSE2 __m128i Paeth16(__m128i a, __m128i b, __m128i c) {
    const __m128i bc = _mm_sub_epi16(b, c);  // p - a
    const __m128i ac = _mm_sub_epi16(a, c);  // p - b
    const __m128i pa = Abs16(bc);
    const __m128i pb = Abs16(ac);
    const __m128i pc = Abs16(_mm_add_epi16(bc, ac));  // p - c
    const __m128i notA = _mm_or_si128(_mm_cmpgt_epi16(pa, pb), _mm_cmpgt_epi16(pa, pc));
    const __m128i bOrC = Select(_mm_cmpgt_epi16(pb, pc), c, b);
    return Select(notA, bOrC, a);
}

LG_TARGET_SSE2 __m128i Paeth(__m128i a, __m128i b, __m128i c) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i low =
        Paeth16(_mm_unpacklo_epi8(a, zero), _mm_unpacklo_epi8(b, zero), _mm_unpacklo_epi8(c, zero));
    const __m128i high =
        Paeth16(_mm_unpackhi_epi8(a, zero), _mm_unpackhi_epi8(b, zero), _mm_unpackhi_epi8(c, zero));
    return _mm_packus_epi16(low, high);
}

// Sums of |residual| (bytes read as signed) in the two 64-bit lanes.
LG_TARGET_SSE2 __m128i Magnitudes(__m128i residual) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i magnitude = _mm_min_epu8(residual, _mm_sub_epi8(zero, residual));
    return _mm_sad_epu8(magnitude, zero);
}

LG_TARGET_SSE2 uint64_t LaneSum(__m128i v) {
    uint64_t lanes[2];
    _mm_storeu_si128(reinterpret_cast<__m128i*>(lanes), v);
    return lanes[0] + lanes[1];
}

}  // namespace

// Filters bytes [3, n) sixteen at a time and returns where it stopped.
template <Filter kFilter>
LG_TARGET_SSE2 size_t FilterSteps(const uint8_t* r, const uint8_t* p, uint8_t* o, size_t n) {
    size_t i = kBpp;
    for (; i + kStep <= n; i += kStep) {
        const __m128i x = Load(r + i);
        const __m128i a = Load(r + i - kBpp);
        const __m128i b = Load(p + i);
        __m128i predicted;
        if constexpr (kFilter == Filter::kSub) {
            predicted = a;
        } else if constexpr (kFilter == Filter::kUp) {
            predicted = b;
        } else if constexpr (kFilter == Filter::kAverage) {
            predicted = Average(a, b);
        } else {
            predicted = Paeth(a, b, Load(p + i - kBpp));
        }
        Store(o + i, _mm_sub_epi8(x, predicted));
    }
    return i;
}

LG_TARGET_SSE2 void FilterRowSse2(Filter filter, std::span<const uint8_t> row,
                                  std::span<const uint8_t> prior, std::span<uint8_t> out) {
    const size_t n = row.size();
    const uint8_t* r = row.data();
    const uint8_t* p = prior.data();
    uint8_t* o = out.data();
    size_t done = kBpp;
    switch (filter) {
        case Filter::kNone:
            std::memcpy(o, r, n);
            return;
        case Filter::kSub:
            done = FilterSteps<Filter::kSub>(r, p, o, n);
            break;
        case Filter::kUp:
            done = FilterSteps<Filter::kUp>(r, p, o, n);
            break;
        case Filter::kAverage:
            done = FilterSteps<Filter::kAverage>(r, p, o, n);
            break;
        case Filter::kPaeth:
            done = FilterSteps<Filter::kPaeth>(r, p, o, n);
            break;
    }
    // The first pixel (no left neighbour) and the tail the steps left over.
    FilterBytes(filter, row, prior, out, 0, std::min(kBpp, n));
    if (n > kBpp) FilterBytes(filter, row, prior, out, done, n);
}

LG_TARGET_SSE2 FilterScores ScoreFiltersSse2(std::span<const uint8_t> row,
                                             std::span<const uint8_t> prior) {
    const size_t n = row.size();
    const uint8_t* r = row.data();
    const uint8_t* p = prior.data();
    __m128i none = _mm_setzero_si128(), sub = none, up = none, average = none, paeth = none;
    size_t i = kBpp;
    for (; i + kStep <= n; i += kStep) {
        const __m128i x = Load(r + i);
        const __m128i a = Load(r + i - kBpp);
        const __m128i b = Load(p + i);
        const __m128i c = Load(p + i - kBpp);
        none = _mm_add_epi64(none, Magnitudes(x));
        sub = _mm_add_epi64(sub, Magnitudes(_mm_sub_epi8(x, a)));
        up = _mm_add_epi64(up, Magnitudes(_mm_sub_epi8(x, b)));
        average = _mm_add_epi64(average, Magnitudes(_mm_sub_epi8(x, Average(a, b))));
        paeth = _mm_add_epi64(paeth, Magnitudes(_mm_sub_epi8(x, Paeth(a, b, c))));
    }
    FilterScores scores = {LaneSum(none), LaneSum(sub), LaneSum(up), LaneSum(average),
                           LaneSum(paeth)};
    ScoreBytes(row, prior, 0, std::min(kBpp, n), scores);
    if (n > kBpp) ScoreBytes(row, prior, i, n, scores);
    return scores;
}

// Four pixels a step: swap R and B into memory order inside each 32-bit
// lane, close the gap between the two lanes of each 64-bit half, and store
// the two 6-byte halves with 8-byte stores whose spare bytes the next step
// overwrites. One pixel is kept back for the tail so no store runs past the
// row.
LG_TARGET_SSE2 void UnpackRgbSse2(const uint32_t* pixels, int width, std::span<uint8_t> rgb) {
    const __m128i lowByte = _mm_set1_epi32(0x000000FF);
    const __m128i middleByte = _mm_set1_epi32(0x0000FF00);
    const __m128i firstPixel = _mm_set_epi32(0, 0x00FFFFFF, 0, 0x00FFFFFF);
    const __m128i secondPixel = _mm_set_epi32(0x0000FFFF, static_cast<int>(0xFF000000u), 0x0000FFFF,
                                              static_cast<int>(0xFF000000u));
    uint8_t* out = rgb.data();
    int x = 0;
    for (; x + 4 < width; x += 4, out += 4 * kBytesPerPixel) {
        const __m128i v = Load(reinterpret_cast<const uint8_t*>(pixels + x));
        const __m128i inOrder =
            _mm_or_si128(_mm_or_si128(_mm_and_si128(_mm_srli_epi32(v, 16), lowByte),
                                      _mm_and_si128(v, middleByte)),
                         _mm_slli_epi32(_mm_and_si128(v, lowByte), 16));
        const __m128i packed = _mm_or_si128(_mm_and_si128(inOrder, firstPixel),
                                            _mm_and_si128(_mm_srli_epi64(inOrder, 8), secondPixel));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out), packed);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out + 6), _mm_srli_si128(packed, 8));
    }
    UnpackRgbPortable(pixels + x, width - x, rgb.subspan(static_cast<size_t>(x) * kBytesPerPixel));
}

// Four pixels a step: compare each with its left and upper neighbour and
// count the lanes where either matched (a matching lane is -1).
LG_TARGET_SSE2 int CountRepeatsSse2(const uint32_t* row, const uint32_t* above, int width) {
    if (width <= 0) return 0;
    const __m128i mask = _mm_set1_epi32(0x00FFFFFF);
    __m128i counts = _mm_setzero_si128();
    int x = 1;  // pixel 0 has no left neighbour; the tail below takes it
    for (; x + 4 <= width; x += 4) {
        const __m128i p = _mm_and_si128(Load(reinterpret_cast<const uint8_t*>(row + x)), mask);
        const __m128i left =
            _mm_and_si128(Load(reinterpret_cast<const uint8_t*>(row + x - 1)), mask);
        __m128i repeat = _mm_cmpeq_epi32(p, left);
        if (above != nullptr) {
            const __m128i up =
                _mm_and_si128(Load(reinterpret_cast<const uint8_t*>(above + x)), mask);
            repeat = _mm_or_si128(repeat, _mm_cmpeq_epi32(p, up));
        }
        counts = _mm_sub_epi32(counts, repeat);
    }
    int32_t lanes[4];
    _mm_storeu_si128(reinterpret_cast<__m128i*>(lanes), counts);
    int repeats = lanes[0] + lanes[1] + lanes[2] + lanes[3];
    // Pixel 0 and the tail: count them as the portable code does, giving the
    // tail its true left neighbour.
    repeats += CountRepeatsPortable(row, above, 1);
    for (; x < width; ++x) {
        const uint32_t p = row[x] & 0x00FFFFFFu;
        repeats +=
            (p == (row[x - 1] & 0x00FFFFFFu) || (above != nullptr && p == (above[x] & 0x00FFFFFFu)))
                ? 1
                : 0;
    }
    return repeats;
}

}  // namespace lg::png
#else
namespace lg::png {
// Without the vector path its names stand for the portable one.
void FilterRowSse2(Filter filter, std::span<const uint8_t> row, std::span<const uint8_t> prior,
                   std::span<uint8_t> out) {
    FilterRowPortable(filter, row, prior, out);
}
FilterScores ScoreFiltersSse2(std::span<const uint8_t> row, std::span<const uint8_t> prior) {
    return ScoreFiltersPortable(row, prior);
}
int CountRepeatsSse2(const uint32_t* row, const uint32_t* above, int width) {
    return CountRepeatsPortable(row, above, width);
}
void UnpackRgbSse2(const uint32_t* pixels, int width, std::span<uint8_t> rgb) {
    UnpackRgbPortable(pixels, width, rgb);
}
}  // namespace lg::png
#endif
