#include "raster/transfer_p.h"
#include "simd/dispatch.h"

#if LG_HAVE_SSE2_PATH
#include <emmintrin.h>
#endif

namespace lg::transfer_detail {

#if LG_HAVE_SSE2_PATH

namespace {

// Two pixels widened to 16-bit channels, blended by their own alphas:
// (b·(256 − w) + f·w + 128) >> 8. Every sum stays below 65 536 (the
// weights add to 256), so unsigned 16-bit lanes hold it exactly.
LG_TARGET_SSE2 inline __m128i BlendTwo(__m128i f16, __m128i b16) {
    // The alpha lane of each pixel spread over its four lanes.
    __m128i w = _mm_shufflelo_epi16(f16, _MM_SHUFFLE(3, 3, 3, 3));
    w = _mm_shufflehi_epi16(w, _MM_SHUFFLE(3, 3, 3, 3));
    const __m128i iw = _mm_sub_epi16(_mm_set1_epi16(256), w);
    __m128i sum = _mm_add_epi16(_mm_mullo_epi16(b16, iw), _mm_mullo_epi16(f16, w));
    sum = _mm_add_epi16(sum, _mm_set1_epi16(128));
    return _mm_srli_epi16(sum, 8);
}

}  // namespace

LG_TARGET_SSE2 void BlendRowOpaqueMasterSse2(TColor32* d, const TColor32* s, int n) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i alpha = _mm_set1_epi32(static_cast<int>(0xFF000000u));
    int i = 0;
    for (; i + 4 <= n; i += 4) {
        const __m128i f = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
        const __m128i fa = _mm_and_si128(f, alpha);
        // Four clear source pixels leave the destination as it is: the
        // draw bitmap is mostly clear.
        if (_mm_movemask_epi8(_mm_cmpeq_epi32(fa, zero)) == 0xFFFF) continue;
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i));
        const __m128i lo = BlendTwo(_mm_unpacklo_epi8(f, zero), _mm_unpacklo_epi8(b, zero));
        const __m128i hi = BlendTwo(_mm_unpackhi_epi8(f, zero), _mm_unpackhi_epi8(b, zero));
        const __m128i mixed = _mm_packus_epi16(lo, hi);
        // Weight 255 gives the source exactly.
        const __m128i opaque = _mm_cmpeq_epi32(fa, alpha);
        const __m128i out = _mm_or_si128(_mm_and_si128(opaque, f), _mm_andnot_si128(opaque, mixed));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), out);
    }
    BlendRowPortable(d + i, s + i, n - i, 255);
}

#else

void BlendRowOpaqueMasterSse2(TColor32* d, const TColor32* s, int n) {
    BlendRowPortable(d, s, n, 255);
}

#endif

}  // namespace lg::transfer_detail
