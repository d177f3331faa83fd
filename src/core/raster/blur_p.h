// Internals of the box blur, shared by its portable and SSE2 paths and by
// the tests that hold both against the plain two-pass blur.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "raster/bitmap32.h"

namespace lg::blur_detail {

// Division of a window sum by k = 2r + 1 as a multiply and shifts. Every
// sum that can occur is at most k * 255 < 2^16 (kMaxBlurRadius), and with
// m = ceil(2^p / k) and e = m * k - 2^p, n * m / 2^p exceeds n / k by
// n * e / (k * 2^p), which stays below 1 / k while n * e < 2^p: then the
// floor is n div k exactly. For() picks the smallest such p. Most k get
// a 16-bit m; a few large ones need 17 bits, whose top bit is then done
// by an addition (`wide`).
struct Divisor {
    std::uint32_t mul = 1;  // the low 16 bits of m (all of m unless wide)
    int shift = 0;          // p - 16
    bool wide = false;      // m has a 17th bit

    static Divisor For(int k);
    // How Divide goes: the multiply alone (the tool's radius among
    // others), then a shift, or the 17-bit multiplier's way; the vector
    // paths are made once for each.
    enum class Kind { kMultiply, kShift, kWide };
    Kind kind() const { return wide ? Kind::kWide : shift == 0 ? Kind::kMultiply : Kind::kShift; }
    // The quotient as the vector paths compute it, one lane at a time.
    std::uint32_t Divide(std::uint32_t sum) const {
        const std::uint32_t t = (sum * mul) >> 16;
        if (!wide) return t >> shift;
        return (t + ((sum - t) >> 1)) >> (shift - 1);
    }
};

// One blur job: the box blur of a w x h area of pixels (edges repeated),
// of which only columns x0..x1-1 and rows y0..y1-1 are written out.
struct Job {
    const TColor32* src = nullptr;  // the area's top-left pixel
    std::ptrdiff_t srcStride = 0;   // in pixels
    int w = 0, h = 0;
    int x0 = 0, x1 = 0, y0 = 0, y1 = 0;
    TColor32* dst = nullptr;  // where pixel (x0, y0) goes
    std::ptrdiff_t dstStride = 0;
    int r = 0;            // 1 ... kMaxBlurRadius
    TColor32 orMask = 0;  // or-ed into every written pixel
};

// The job of BoxBlur: the whole clip rectangle of bmp, in place. r is
// taken as it is (1 ... kMaxBlurRadius).
Job ClipJob(TBitmap32& bmp, int r);

// The job of BoxBlurPart, r clamped to 0 ... kMaxBlurRadius (0: a plain
// copy, which no path runs); none when nothing of dst is to be written.
std::optional<Job> PartJob(const TBitmap32& src, const TRect& box, const TRect& part, int r,
                           TBitmap32& dst, int atX, int atY, TColor32 orMask);

// Both passes row by row: each source row's horizontal averages are made
// once, into a ring of the 2r + 2 rows the vertical window needs, and the
// vertical window keeps one running sum per column. A row is read only
// after every output row above it is written and before its own is, so
// dst may be src itself when the part is the whole area.
//
// The order every path shares. Pass supplies the arithmetic:
// AverageRow(y, out) writes source row y's horizontal averages (width
// pixels), AddRow(row) adds a row of averages to the column sums, and
// WriteRow(d, add, sub) writes an output row from the sums and then moves
// them a row down (add and sub null: the last row).
template <class Pass>
void RunRows(const Job& j, int width, Pass& pass) {
    const int r = j.r, hm = j.h - 1, slots = 2 * r + 2;
    std::vector<std::uint32_t> ring(static_cast<std::size_t>(slots) * width);
    auto slot = [&](int y) { return ring.data() + static_cast<std::size_t>(y % slots) * width; };
    int next = std::max(j.y0 - r, 0);  // the first row not yet averaged
    auto need = [&](int y) {
        for (; next <= y; ++next) pass.AverageRow(next, slot(next));
        return slot(y);
    };
    for (int i = -r; i <= r; ++i) pass.AddRow(need(std::clamp(j.y0 + i, 0, hm)));
    for (int y = j.y0; y < j.y1; ++y) {
        TColor32* d = j.dst + (y - j.y0) * j.dstStride;
        if (y + 1 == j.y1) {
            pass.WriteRow(d, nullptr, nullptr);
            break;
        }
        const std::uint32_t* add = need(std::min(y + r + 1, hm));
        pass.WriteRow(d, add, slot(std::max(y - r, 0)));
    }
}

void RunPortable(const Job& job);
// The same sums and quotients with SSE2; call only when HasSse2().
void RunSse2(const Job& job);
// The same with AVX2, the row done as two halves side by side; call only
// when HasAvx2().
void RunAvx2(const Job& job);

// The blur as it was first written (two full passes through a plane of
// row averages); the fast paths must match it pixel for pixel.
void BoxBlurReference(TBitmap32& bmp, int r);

}  // namespace lg::blur_detail
