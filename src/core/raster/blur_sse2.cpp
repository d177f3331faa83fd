#include "raster/blur_p.h"
#include "simd/dispatch.h"

#if LG_HAVE_SSE2_PATH
#include <emmintrin.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace lg::blur_detail {

namespace {

// Pixels are handled four at a time (16 bytes) and their channel sums two
// at a time, as eight 16-bit lanes. The sums wrap modulo 2^16 on the way,
// but a window sum itself never exceeds 65535, so the difference of two
// wrapped running totals is the exact window sum.
constexpr int kGroup = 4;

int RoundUp(int n) {
    return (n + kGroup - 1) / kGroup * kGroup;
}

struct Quotient {
    __m128i mul, shift, shiftLess1;
    explicit LG_TARGET_SSE2 Quotient(const Divisor& d)
        : mul(_mm_set1_epi16(static_cast<short>(d.mul))),
          shift(_mm_cvtsi32_si128(d.shift)),
          shiftLess1(_mm_cvtsi32_si128(d.shift > 0 ? d.shift - 1 : 0)) {}
};

// Divisor::Divide on eight lanes.
template <bool Wide>
LG_TARGET_SSE2 inline __m128i Divide(__m128i sum, const Quotient& q) {
    const __m128i t = _mm_mulhi_epu16(sum, q.mul);
    if constexpr (!Wide) {
        return _mm_srl_epi16(t, q.shift);
    } else {
        return _mm_srl_epi16(_mm_add_epi16(t, _mm_srli_epi16(_mm_sub_epi16(sum, t), 1)),
                             q.shiftLess1);
    }
}

LG_TARGET_SSE2 inline __m128i Load(const void* p) {
    return _mm_loadu_si128(static_cast<const __m128i*>(p));
}
LG_TARGET_SSE2 inline void Store(void* p, __m128i v) {
    _mm_storeu_si128(static_cast<__m128i*>(p), v);
}

template <bool Wide>
class Blur {
public:
    Blur(const Job& j)
        : j_(j),
          d_(Divisor::For(2 * j.r + 1)),
          n_(j.x1 - j.x0),
          nPad_(RoundUp(n_)),
          extPad_(RoundUp(nPad_ + 2 * j.r)),
          ext_(static_cast<std::size_t>(extPad_), 0),
          prefix_(static_cast<std::size_t>(extPad_) + 1 + kGroup, 0),
          sums_(static_cast<std::size_t>(nPad_), 0) {}

    void Run() { RunRows(j_, nPad_, *this); }

    LG_TARGET_SSE2 void AddRow(const std::uint32_t* row) {
        const __m128i zero = _mm_setzero_si128();
        for (int x = 0; x < nPad_; x += kGroup) {
            const __m128i v = Load(row + x);
            std::uint64_t* s = sums_.data() + x;
            Store(s, _mm_add_epi16(Load(s), _mm_unpacklo_epi8(v, zero)));
            Store(s + 2, _mm_add_epi16(Load(s + 2), _mm_unpackhi_epi8(v, zero)));
        }
    }

    // The horizontal averages of source row y, columns x0 .. x1 - 1.
    LG_TARGET_SSE2 void AverageRow(int y, std::uint32_t* out) {
        const int r = j_.r, wm = j_.w - 1;
        const TColor32* s = j_.src + y * j_.srcStride;
        // The row as the window sees it, edges repeated: ext[i] is column
        // x0 - r + i.
        const int from = j_.x0 - r, to = j_.x1 + r;  // columns, to exclusive
        const int lo = std::max(from, 0), hi = std::min(to, wm + 1);
        std::uint32_t* e = ext_.data();
        std::fill(e, e + (lo - from), s[0]);
        std::memcpy(e + (lo - from), s + lo, static_cast<std::size_t>(hi - lo) * 4);
        std::fill(e + (hi - from), e + (to - from), s[wm]);

        // prefix[i] = ext[0] + ... + ext[i - 1], lane by lane.
        std::uint64_t* pre = prefix_.data();
        const __m128i zero = _mm_setzero_si128();
        __m128i carry = zero;
        for (int i = 0; i < extPad_; i += kGroup) {
            const __m128i v = Load(e + i);
            __m128i a = _mm_unpacklo_epi8(v, zero);
            a = _mm_add_epi16(_mm_add_epi16(a, _mm_slli_si128(a, 8)), carry);
            carry = _mm_shuffle_epi32(a, _MM_SHUFFLE(3, 2, 3, 2));
            __m128i b = _mm_unpackhi_epi8(v, zero);
            b = _mm_add_epi16(_mm_add_epi16(b, _mm_slli_si128(b, 8)), carry);
            carry = _mm_shuffle_epi32(b, _MM_SHUFFLE(3, 2, 3, 2));
            Store(pre + 1 + i, a);
            Store(pre + 3 + i, b);
        }
        const int k = 2 * r + 1;
        const Quotient q(d_);
        for (int x = 0; x < nPad_; x += kGroup) {
            const __m128i a = _mm_sub_epi16(Load(pre + x + k), Load(pre + x));
            const __m128i b = _mm_sub_epi16(Load(pre + x + k + 2), Load(pre + x + 2));
            Store(out + x, _mm_packus_epi16(Divide<Wide>(a, q), Divide<Wide>(b, q)));
        }
    }

    LG_TARGET_SSE2 void WriteRow(TColor32* d, const std::uint32_t* add, const std::uint32_t* sub) {
        const __m128i zero = _mm_setzero_si128();
        const __m128i orMask = _mm_set1_epi32(static_cast<int>(j_.orMask));
        const Quotient q(d_);
        for (int x = 0; x < nPad_; x += kGroup) {
            std::uint64_t* s = sums_.data() + x;
            __m128i a = Load(s), b = Load(s + 2);
            const __m128i px =
                _mm_or_si128(_mm_packus_epi16(Divide<Wide>(a, q), Divide<Wide>(b, q)), orMask);
            if (x + kGroup <= n_) {
                Store(d + x, px);
            } else {
                alignas(16) std::uint32_t tail[kGroup];
                Store(tail, px);
                std::memcpy(d + x, tail, static_cast<std::size_t>(n_ - x) * 4);
            }
            if (!add) continue;
            const __m128i va = Load(add + x), vs = Load(sub + x);
            a = _mm_sub_epi16(_mm_add_epi16(a, _mm_unpacklo_epi8(va, zero)),
                              _mm_unpacklo_epi8(vs, zero));
            b = _mm_sub_epi16(_mm_add_epi16(b, _mm_unpackhi_epi8(va, zero)),
                              _mm_unpackhi_epi8(vs, zero));
            Store(s, a);
            Store(s + 2, b);
        }
    }

private:
    const Job& j_;
    // The vectors of the divisor are made where they are used: locals
    // stay aligned on any stack, object members need not.
    Divisor d_;
    int n_, nPad_, extPad_;
    std::vector<std::uint32_t> ext_;
    std::vector<std::uint64_t> prefix_;
    std::vector<std::uint64_t> sums_;
};

}  // namespace

LG_TARGET_SSE2 void RunSse2(const Job& job) {
    if (Divisor::For(2 * job.r + 1).wide) {
        Blur<true>(job).Run();
    } else {
        Blur<false>(job).Run();
    }
}

}  // namespace lg::blur_detail

#endif  // LG_HAVE_SSE2_PATH
