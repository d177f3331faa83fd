#include "raster/blur.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

#include "output/simd_p.h"
#include "raster/blur_p.h"

namespace lg {

namespace blur_detail {

namespace {

// The four channels of a pixel in four 16-bit lanes (blue lowest), so one
// 64-bit addition updates all four sliding sums. A window sum is at most
// k * 255 <= 65535, so no lane spills into the next; adding before
// subtracting keeps every lane from going below zero.
inline std::uint64_t Spread(std::uint32_t p) {
    return (p & 0xFFu) | (std::uint64_t{p & 0xFF00u} << 8) | (std::uint64_t{p & 0xFF0000u} << 16) |
           (std::uint64_t{p & 0xFF000000u} << 24);
}

inline std::uint32_t Average(const std::uint8_t* dv, std::uint64_t s) {
    return std::uint32_t{dv[s >> 48]} << 24 | std::uint32_t{dv[(s >> 32) & 0xFFFF]} << 16 |
           std::uint32_t{dv[(s >> 16) & 0xFFFF]} << 8 | dv[s & 0xFFFF];
}

}  // namespace

Divisor Divisor::For(int k) {
    const std::uint64_t maxSum = static_cast<std::uint64_t>(k) * 255;
    for (int p = 16;; ++p) {
        const std::uint64_t m = ((std::uint64_t{1} << p) + k - 1) / k;
        const std::uint64_t e = m * k - (std::uint64_t{1} << p);
        if (maxSum * e >= (std::uint64_t{1} << p)) continue;
        // For k <= 2 * kMaxBlurRadius + 1 this holds at some p with m below
        // 2^17 (checked for every k by the tests).
        Divisor d;
        d.mul = static_cast<std::uint32_t>(m & 0xFFFF);
        d.shift = p - 16;
        d.wide = m > 0xFFFF;
        return d;
    }
}

void RunPortable(const Job& j) {
    const int r = j.r, k = 2 * r + 1, wm = j.w - 1, hm = j.h - 1;
    const int n = j.x1 - j.x0;
    std::vector<std::uint8_t> dv(static_cast<std::size_t>(k) * 256);
    for (std::size_t i = 0; i < dv.size(); ++i) dv[i] = static_cast<std::uint8_t>(i / k);

    // Horizontal averages of the rows the vertical window still needs.
    const int slots = 2 * r + 2;
    std::vector<std::uint32_t> ring(static_cast<std::size_t>(slots) * n);
    auto slot = [&](int y) { return ring.data() + static_cast<std::size_t>(y % slots) * n; };
    int next = std::max(j.y0 - r, 0);  // the first row not yet averaged
    auto need = [&](int y) {
        for (; next <= y; ++next) {
            const TColor32* s = j.src + next * j.srcStride;
            std::uint32_t* out = slot(next);
            std::uint64_t sum = 0;
            for (int i = -r; i <= r; ++i) sum += Spread(s[std::clamp(j.x0 + i, 0, wm)]);
            for (int x = j.x0; x < j.x1; ++x) {
                out[x - j.x0] = Average(dv.data(), sum);
                sum = sum + Spread(s[std::min(x + r + 1, wm)]) - Spread(s[std::max(x - r, 0)]);
            }
        }
        return slot(y);
    };

    std::vector<std::uint64_t> sums(static_cast<std::size_t>(n), 0);
    for (int i = -r; i <= r; ++i) {
        const std::uint32_t* row = need(std::clamp(j.y0 + i, 0, hm));
        for (int x = 0; x < n; ++x) sums[x] += Spread(row[x]);
    }
    for (int y = j.y0; y < j.y1; ++y) {
        TColor32* d = j.dst + (y - j.y0) * j.dstStride;
        for (int x = 0; x < n; ++x) d[x] = Average(dv.data(), sums[x]) | j.orMask;
        if (y + 1 == j.y1) break;
        const std::uint32_t* add = need(std::min(y + r + 1, hm));
        const std::uint32_t* sub = slot(std::max(y - r, 0));
        for (int x = 0; x < n; ++x) sums[x] = sums[x] + Spread(add[x]) - Spread(sub[x]);
    }
}

Job ClipJob(TBitmap32& bmp, int r) {
    const TRect clip = bmp.ClipRect();
    Job job;
    job.src = bmp.PixelPtr(clip.Left, clip.Top);
    job.srcStride = bmp.Width();
    job.w = clip.Width();
    job.h = clip.Height();
    job.x1 = job.w;
    job.y1 = job.h;
    job.dst = bmp.PixelPtr(clip.Left, clip.Top);
    job.dstStride = bmp.Width();
    job.r = r;
    return job;
}

std::optional<Job> PartJob(const TBitmap32& src, const TRect& box, const TRect& part, int r,
                           TBitmap32& dst, int atX, int atY, TColor32 orMask) {
    const TRect b = IntersectRect(box, src.BoundsRect());
    // dst's pixel of src's (x, y) is (x + dx, y + dy), however part is cut.
    const int dx = atX - part.Left, dy = atY - part.Top;
    const TRect inDst{-dx, -dy, dst.Width() - dx, dst.Height() - dy};
    const TRect p = IntersectRect(IntersectRect(part, b), inDst);
    if (p.IsEmpty()) return std::nullopt;
    Job job;
    job.src = src.PixelPtr(b.Left, b.Top);
    job.srcStride = src.Width();
    job.w = b.Width();
    job.h = b.Height();
    job.x0 = p.Left - b.Left;
    job.x1 = p.Right - b.Left;
    job.y0 = p.Top - b.Top;
    job.y1 = p.Bottom - b.Top;
    job.dst = dst.PixelPtr(p.Left + dx, p.Top + dy);
    job.dstStride = dst.Width();
    job.r = std::clamp(r, 0, kMaxBlurRadius);
    job.orMask = orMask;
    return job;
}

namespace {

void Run(const Job& job) {
#if LG_HAVE_SSE2_PATH
    if (simd::HasAvx2()) {
        RunAvx2(job);
        return;
    }
    if (simd::HasSse2()) {
        RunSse2(job);
        return;
    }
#endif
    RunPortable(job);
}

}  // namespace

}  // namespace blur_detail

void BoxBlur(TBitmap32& bmp, int r) {
    if (r <= 0 || bmp.ClipRect().IsEmpty()) return;
    blur_detail::Run(blur_detail::ClipJob(bmp, std::min(r, kMaxBlurRadius)));
}

void BoxBlurPart(const TBitmap32& src, const TRect& box, const TRect& part, int r, TBitmap32& dst,
                 int atX, int atY, TColor32 orMask) {
    const std::optional<blur_detail::Job> job =
        blur_detail::PartJob(src, box, part, r, dst, atX, atY, orMask);
    if (!job) return;
    if (job->r > 0) {
        blur_detail::Run(*job);
        return;
    }
    for (int y = job->y0; y < job->y1; ++y) {
        const TColor32* s = job->src + y * job->srcStride + job->x0;
        TColor32* d = job->dst + (y - job->y0) * job->dstStride;
        for (int x = 0; x < job->x1 - job->x0; ++x) d[x] = s[x] | orMask;
    }
}

}  // namespace lg
