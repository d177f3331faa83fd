#include "raster/blur_p.h"
#include "simd/dispatch.h"

#if LG_HAVE_SSE2_PATH
#include <immintrin.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace lg::blur_detail {

namespace {

// A pixel's bytes split by a mask and a shift: blue and red in the 16-bit
// lanes of one vector, green and alpha at the same place in another. The
// split and its undoing run on the adders, not the shuffle unit, which the
// unpacks of the SSE2 path keep busy. Sums wrap modulo 2^16 on the way; a
// window sum itself never exceeds 65535, so every difference of running
// totals is exact.

struct Quotient {
    __m256i mul;
    __m128i shift, shiftLess1;
    explicit LG_TARGET_AVX2 Quotient(const Divisor& d)
        : mul(_mm256_set1_epi16(static_cast<short>(d.mul))),
          shift(_mm_cvtsi32_si128(d.shift)),
          shiftLess1(_mm_cvtsi32_si128(d.shift > 0 ? d.shift - 1 : 0)) {}
};

using Division = Divisor::Kind;

// Divisor::Divide on sixteen lanes.
template <Division D>
LG_TARGET_AVX2 inline __m256i Divide(__m256i sum, const Quotient& q) {
    const __m256i t = _mm256_mulhi_epu16(sum, q.mul);
    if constexpr (D == Division::kMultiply) {
        return t;
    } else if constexpr (D == Division::kShift) {
        return _mm256_srl_epi16(t, q.shift);
    } else {
        return _mm256_srl_epi16(_mm256_add_epi16(t, _mm256_srli_epi16(_mm256_sub_epi16(sum, t), 1)),
                                q.shiftLess1);
    }
}

LG_TARGET_AVX2 inline __m256i Even(__m256i v) {
    return _mm256_and_si256(v, _mm256_set1_epi16(0xFF));
}
LG_TARGET_AVX2 inline __m256i Odd(__m256i v) {
    return _mm256_srli_epi16(v, 8);
}
// Two quotient vectors (each lane at most 255) back into pixels.
LG_TARGET_AVX2 inline __m256i Join(__m256i even, __m256i odd) {
    return _mm256_or_si256(even, _mm256_slli_epi16(odd, 8));
}

LG_TARGET_AVX2 inline __m256i Load(const void* p) {
    return _mm256_loadu_si256(static_cast<const __m256i*>(p));
}
LG_TARGET_AVX2 inline void Store(void* p, __m256i v) {
    _mm256_storeu_si256(static_cast<__m256i*>(p), v);
}
// Four pixels at lo in the low half, four at hi in the high half.
LG_TARGET_AVX2 inline __m256i Load2(const std::uint32_t* hi, const std::uint32_t* lo) {
    return _mm256_inserti128_si256(
        _mm256_castsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(lo))),
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(hi)), 1);
}
LG_TARGET_AVX2 inline void Store2(std::uint32_t* hi, std::uint32_t* lo, __m256i v) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(lo), _mm256_castsi256_si128(v));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(hi), _mm256_extracti128_si256(v, 1));
}

// Sums of each 32-bit element and all before it in its 128-bit half.
LG_TARGET_AVX2 inline __m256i PrefixInHalves(__m256i v) {
    v = _mm256_add_epi16(v, _mm256_slli_si256(v, 4));
    return _mm256_add_epi16(v, _mm256_slli_si256(v, 8));
}

// The blue-red and green-alpha sums of count pixels from p on.
LG_TARGET_AVX2 void SumPixels(const std::uint32_t* p, int count, std::uint32_t& even,
                              std::uint32_t& odd) {
    __m256i se = _mm256_setzero_si256(), so = se;
    int i = 0;
    for (; i + 8 <= count; i += 8) {
        const __m256i v = Load(p + i);
        se = _mm256_add_epi16(se, Even(v));
        so = _mm256_add_epi16(so, Odd(v));
    }
    auto fold = [](__m256i v) LG_TARGET_AVX2 {
        __m128i h = _mm_add_epi16(_mm256_castsi256_si128(v), _mm256_extracti128_si256(v, 1));
        h = _mm_add_epi16(h, _mm_shuffle_epi32(h, 0x4E));
        h = _mm_add_epi16(h, _mm_shuffle_epi32(h, 0xB1));
        return static_cast<std::uint32_t>(_mm_cvtsi128_si32(h));
    };
    even = fold(se);
    odd = fold(so);
    for (; i < count; ++i) {
        even += p[i] & 0x00FF00FFu;
        odd += (p[i] >> 8) & 0x00FF00FFu;
    }
}

template <Division D>
class Blur {
public:
    Blur(const Job& j)
        : j_(j),
          d_(Divisor::For(2 * j.r + 1)),
          n_(j.x1 - j.x0),
          half_((n_ + 7) / 8 * 4),
          nPad_(2 * half_),
          ext_(static_cast<std::size_t>(nPad_ + 2 * j.r + 1), 0),
          even_(static_cast<std::size_t>(nPad_), 0),
          odd_(static_cast<std::size_t>(nPad_), 0) {}

    void Run() { RunRows(j_, nPad_, *this); }

    LG_TARGET_AVX2 void AddRow(const std::uint32_t* row) {
        for (int x = 0; x < nPad_; x += 8) {
            const __m256i v = Load(row + x);
            Store(&even_[x], _mm256_add_epi16(Load(&even_[x]), Even(v)));
            Store(&odd_[x], _mm256_add_epi16(Load(&odd_[x]), Odd(v)));
        }
    }

    // The horizontal averages of source row y, columns x0 .. x1 - 1 (and
    // whatever the padding up to nPad_ makes of the repeated edge). The
    // row is done as two runs side by side, the left half in the low
    // 128 bits and the right half in the high, each with its own running
    // total, so no sum ever crosses between the halves.
    LG_TARGET_AVX2 void AverageRow(int y, std::uint32_t* out) {
        const int r = j_.r, k = 2 * r + 1, wm = j_.w - 1;
        const TColor32* s = j_.src + y * j_.srcStride;
        // ext[i] is column x0 - r - 1 + i, edges repeated, so the window of
        // output column x is ext[x + 1 .. x + k]. Runs of it inside the row
        // are read from the row itself; only the ends, where the edge
        // pixel repeats, are copied out.
        const int from = j_.x0 - r - 1, size = static_cast<int>(ext_.size());
        const int inLo = std::max(-from, 0), inHi = std::min(wm + 1 - from, size);
        std::uint32_t* e = ext_.data();
        auto fill = [&](int i0, int i1) {
            for (int i = std::max(i0, 0); i < std::min(i1, size); ++i) {
                e[i] = s[std::clamp(from + i, 0, wm)];
            }
        };
        fill(0, inLo + k);
        fill(inHi - k, size);
        // ext[i .. i + len - 1] for len <= k.
        auto run = [&](int i, int len) -> const std::uint32_t* {
            return i >= inLo && i + len <= inHi ? s + (from + i) : e + i;
        };

        // The running totals start as the windows of columns -1 and
        // half - 1; each step adds the pixels entering and takes away
        // those leaving.
        const int half = half_;
        std::uint32_t e0, o0, e1, o1;
        SumPixels(run(0, k), k, e0, o0);
        SumPixels(run(half, k), k, e1, o1);
        __m256i evenRun = _mm256_setr_epi32(e0, e0, e0, e0, e1, e1, e1, e1);
        __m256i oddRun = _mm256_setr_epi32(o0, o0, o0, o0, o1, o1, o1, o1);
        const Quotient q(d_);
        auto step = [&](int x, const std::uint32_t* in0, const std::uint32_t* out0,
                        const std::uint32_t* in1, const std::uint32_t* out1) LG_TARGET_AVX2 {
            const __m256i in = Load2(in1, in0), out4 = Load2(out1, out0);
            const __m256i de = PrefixInHalves(_mm256_sub_epi16(Even(in), Even(out4)));
            const __m256i dO = PrefixInHalves(_mm256_sub_epi16(Odd(in), Odd(out4)));
            const __m256i se = _mm256_add_epi16(de, evenRun);
            const __m256i so = _mm256_add_epi16(dO, oddRun);
            evenRun = _mm256_add_epi16(evenRun, _mm256_shuffle_epi32(de, 0xFF));
            oddRun = _mm256_add_epi16(oddRun, _mm256_shuffle_epi32(dO, 0xFF));
            Store2(out + half + x, out + x, Join(Divide<D>(se, q), Divide<D>(so, q)));
        };
        // The steps whose four runs all lie inside the row read it
        // directly; the few at the ends go through run().
        const int inFirst = (inLo + 3) / 4 * 4, inLast = inHi - half - k - 4;
        int x = 0;
        for (; x < half && (x < inFirst || x > inLast); x += 4) {
            step(x, run(x + k, 4), run(x, 4), run(half + x + k, 4), run(half + x, 4));
        }
        // The next row is asked for a row ahead: without it each row's two
        // runs start cold and wait for the cache at every line.
        const bool prefetch = y + 1 < j_.h;
        const std::uint32_t* below = s + (prefetch ? j_.srcStride : 0);
        for (; x <= inLast; x += 4) {
            const int at = from + x;  // a column inside the row
            if (prefetch && x % 16 == 0) {
                _mm_prefetch(reinterpret_cast<const char*>(below + (at + k)), _MM_HINT_T0);
                _mm_prefetch(reinterpret_cast<const char*>(below + (at + half + k)), _MM_HINT_T0);
            }
            step(x, s + (at + k), s + at, s + (at + half + k), s + (at + half));
        }
        for (; x < half; x += 4) {
            step(x, run(x + k, 4), run(x, 4), run(half + x + k, 4), run(half + x, 4));
        }
    }

    LG_TARGET_AVX2 void WriteRow(TColor32* d, const std::uint32_t* add, const std::uint32_t* sub) {
        const __m256i orMask = _mm256_set1_epi32(static_cast<int>(j_.orMask));
        const Quotient q(d_);
        for (int x = 0; x < nPad_; x += 8) {
            const __m256i se = Load(&even_[x]), so = Load(&odd_[x]);
            const __m256i px = _mm256_or_si256(Join(Divide<D>(se, q), Divide<D>(so, q)), orMask);
            if (x + 8 <= n_) {
                Store(d + x, px);
            } else if (x < n_) {
                std::uint32_t tail[8];
                Store(tail, px);
                std::memcpy(d + x, tail, static_cast<std::size_t>(n_ - x) * 4);
            }
            if (!add) continue;
            const __m256i va = Load(add + x), vs = Load(sub + x);
            Store(&even_[x], _mm256_sub_epi16(_mm256_add_epi16(se, Even(va)), Even(vs)));
            Store(&odd_[x], _mm256_sub_epi16(_mm256_add_epi16(so, Odd(va)), Odd(vs)));
        }
    }

private:
    const Job& j_;
    Divisor d_;
    int n_;
    int half_;  // columns per half, a multiple of 4
    int nPad_;  // both halves
    std::vector<std::uint32_t> ext_;
    // Per column: the vertical window's blue-red and green-alpha sums.
    std::vector<std::uint32_t> even_, odd_;
};

}  // namespace

LG_TARGET_AVX2 void RunAvx2(const Job& job) {
    switch (Divisor::For(2 * job.r + 1).kind()) {
        case Division::kMultiply:
            Blur<Division::kMultiply>(job).Run();
            break;
        case Division::kShift:
            Blur<Division::kShift>(job).Run();
            break;
        case Division::kWide:
            Blur<Division::kWide>(job).Run();
            break;
    }
}

}  // namespace lg::blur_detail

#endif  // LG_HAVE_SSE2_PATH
