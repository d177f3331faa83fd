#include "raster/blur.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

#include "raster/blur_p.h"
#include "simd/dispatch.h"

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

namespace {

class PortablePass {
public:
    explicit PortablePass(const Job& j)
        : j_(j),
          k_(2 * j.r + 1),
          n_(j.x1 - j.x0),
          dv_(static_cast<std::size_t>(k_) * 256),
          sums_(static_cast<std::size_t>(n_), 0) {
        for (std::size_t i = 0; i < dv_.size(); ++i) dv_[i] = static_cast<std::uint8_t>(i / k_);
    }

    void AverageRow(int y, std::uint32_t* out) const {
        const int r = j_.r, wm = j_.w - 1;
        const TColor32* s = j_.src + y * j_.srcStride;
        std::uint64_t sum = 0;
        for (int i = -r; i <= r; ++i) sum += Spread(s[std::clamp(j_.x0 + i, 0, wm)]);
        for (int x = j_.x0; x < j_.x1; ++x) {
            out[x - j_.x0] = Average(dv_.data(), sum);
            sum = sum + Spread(s[std::min(x + r + 1, wm)]) - Spread(s[std::max(x - r, 0)]);
        }
    }

    void AddRow(const std::uint32_t* row) {
        for (int x = 0; x < n_; ++x) sums_[x] += Spread(row[x]);
    }

    void WriteRow(TColor32* d, const std::uint32_t* add, const std::uint32_t* sub) {
        for (int x = 0; x < n_; ++x) d[x] = Average(dv_.data(), sums_[x]) | j_.orMask;
        if (!add) return;
        for (int x = 0; x < n_; ++x) sums_[x] = sums_[x] + Spread(add[x]) - Spread(sub[x]);
    }

private:
    const Job& j_;
    int k_, n_;
    std::vector<std::uint8_t> dv_;  // dv_[i] = i div k for every window sum
    std::vector<std::uint64_t> sums_;
};

}  // namespace

void RunPortable(const Job& j) {
    PortablePass pass(j);
    RunRows(j, j.x1 - j.x0, pass);
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
