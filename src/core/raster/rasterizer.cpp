#include "raster/rasterizer.h"

#include <algorithm>
#include <cmath>

namespace lg {

namespace {

// +-2^22 pixels in 24.8: positions stay below 2^30, differences below 2^31.
constexpr double kCoordLimit = 4194304.0;

std::int32_t ToSubpixel(float v) {
    double d = static_cast<double>(v);
    if (!(d == d)) d = 0;  // NaN
    d = std::clamp(d, -kCoordLimit, kCoordLimit);
    return static_cast<std::int32_t>(std::lround(d * 256.0));
}

constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {  // b > 0
    std::int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

constexpr std::int64_t CeilDiv(std::int64_t a, std::int64_t b) {
    return -FloorDiv(-a, b);
}

}  // namespace

void PolygonRasterizer::Reset(const TRect& clip, TAntialiasMode mode) {
    clip_ = clip.IsEmpty() ? TRect{} : clip;
    samples_ = SubSamples(mode);
    step_ = 256 / samples_;
    edges_.clear();
    const std::size_t width = static_cast<std::size_t>(std::max(clip_.Width(), 0)) + 1;
    cell_.assign(width, 0);
    delta_.assign(width, 0);
    marked_.assign(width, 0);
    touched_.clear();
}

void PolygonRasterizer::AddContour(std::span<const TFloatPoint> points) {
    if (points.size() < 3) return;  // no area
    std::int32_t px = ToSubpixel(points.back().X), py = ToSubpixel(points.back().Y);
    for (const TFloatPoint& p : points) {
        const std::int32_t x = ToSubpixel(p.X), y = ToSubpixel(p.Y);
        AddEdge(px, py, x, y);
        px = x;
        py = y;
    }
}

void PolygonRasterizer::AddEdge(std::int32_t x0, std::int32_t y0, std::int32_t x1,
                                std::int32_t y1) {
    if (y0 == y1) return;  // horizontal edges cross no sample row
    std::int32_t dir = 1;
    if (y0 > y1) {
        std::swap(x0, x1);
        std::swap(y0, y1);
        dir = -1;
    }
    // Sample row k lies at k*step + step/2; the edge covers y0 <= ys < y1.
    const std::int64_t half = step_ / 2;
    const std::int64_t first = CeilDiv(std::int64_t{y0} - half, step_);
    const std::int64_t last = CeilDiv(std::int64_t{y1} - half, step_) - 1;
    if (last < first) return;  // passes between two sample rows
    edges_.push_back(Edge{x0, y0, x1, y1, dir, first, last});
}

void PolygonRasterizer::Touch(int i) {
    if (!marked_[i]) {
        marked_[i] = 1;
        touched_.push_back(i);
    }
}

void PolygonRasterizer::AccumulateSpan(std::int64_t xa, std::int64_t xb) {
    // Clip to the row, then store relative to clip.Left in 1/256 pixel.
    const std::int64_t lo = std::int64_t{clip_.Left} * 256, hi = std::int64_t{clip_.Right} * 256;
    xa = std::max(xa, lo) - lo;
    xb = std::min(xb, hi) - lo;
    if (xa >= xb) return;
    const int ia = static_cast<int>(xa >> 8), ib = static_cast<int>(xb >> 8);
    const int fa = static_cast<int>(xa & 255), fb = static_cast<int>(xb & 255);
    if (ia == ib) {
        cell_[ia] += fb - fa;
        Touch(ia);
        return;
    }
    // Partial first pixel, full pixels ia+1 .. ib-1, partial last pixel.
    cell_[ia] += 256 - fa;
    Touch(ia);
    delta_[ia + 1] += 256;
    Touch(ia + 1);
    delta_[ib] -= 256;
    cell_[ib] += fb;
    Touch(ib);
}

void PolygonRasterizer::FlushRow(int y, CoverageSink& sink) {
    if (touched_.empty()) return;
    std::sort(touched_.begin(), touched_.end());
    const int width = clip_.Width();
    // Sum over sub-scanlines of 1/256 pixel, up to samples * 256, to
    // 0..255 rounded.
    const std::int64_t full = std::int64_t{samples_} * 256;
    auto cover = [full](std::int64_t v) {
        return static_cast<std::uint8_t>((v * 255 + full / 2) / full);
    };
    spans_.clear();
    auto emit = [this](int x, int len, std::uint8_t c) {
        if (c == 0) return;
        if (!spans_.empty()) {
            CoverageSpan& back = spans_.back();
            if (back.cover == c && back.x + back.len == x) {
                back.len += len;
                return;
            }
        }
        spans_.push_back(CoverageSpan{x, len, c});
    };
    std::int64_t running = 0;
    int prev = -1;
    for (int t : touched_) {
        if (running > 0 && t > prev + 1) emit(clip_.Left + prev + 1, t - prev - 1, cover(running));
        running += delta_[t];
        if (t < width) emit(clip_.Left + t, 1, cover(running + cell_[t]));
        cell_[t] = 0;
        delta_[t] = 0;
        marked_[t] = 0;
        prev = t;
    }
    touched_.clear();
    if (!spans_.empty()) sink.Row(y, spans_);
}

void PolygonRasterizer::Render(CoverageSink& sink) {
    if (clip_.IsEmpty() || edges_.empty()) return;
    std::sort(edges_.begin(), edges_.end(),
              [](const Edge& a, const Edge& b) { return a.first < b.first; });
    std::int64_t lastSample = edges_.front().last;
    for (const Edge& e : edges_) lastSample = std::max(lastSample, e.last);

    const std::int64_t s = samples_;
    std::int64_t row = std::max<std::int64_t>(clip_.Top, FloorDiv(edges_.front().first, s));
    const std::int64_t rowEnd = std::min<std::int64_t>(clip_.Bottom, FloorDiv(lastSample, s) + 1);
    std::size_t next = 0;
    active_.clear();
    const std::int64_t half = step_ / 2;

    while (row < rowEnd) {
        // Nothing active: jump to the row where the next edge starts.
        if (active_.empty()) {
            while (next < edges_.size() && edges_[next].last < row * s) ++next;
            if (next == edges_.size()) break;
            row = std::max(row, FloorDiv(edges_[next].first, s));
            if (row >= rowEnd) break;
        }
        for (std::int64_t i = 0; i < s; ++i) {
            const std::int64_t k = row * s + i;
            const std::int64_t ys = k * step_ + half;
            // Edges reaching this sample row join, stepped straight to it
            // (those that began above the clip rectangle too).
            while (next < edges_.size() && edges_[next].first <= k) {
                const Edge& e = edges_[next++];
                if (e.last < k) continue;
                const std::int64_t dx = std::int64_t{e.x1} - e.x0, dy = std::int64_t{e.y1} - e.y0;
                const std::int64_t num = (ys - e.y0) * dx;
                ActiveEdge a{};
                a.xq = FloorDiv(num, dy);
                a.rem = num - a.xq * dy;
                a.stepQ = FloorDiv(dx * step_, dy);
                a.stepR = dx * step_ - a.stepQ * dy;
                a.dy = dy;
                a.last = e.last;
                a.x0 = e.x0;
                a.dir = e.dir;
                active_.push_back(a);
            }
            crossings_.clear();
            std::size_t keep = 0;
            for (std::size_t j = 0; j < active_.size(); ++j) {
                ActiveEdge a = active_[j];
                if (a.last < k) continue;  // ended above this sample row
                crossings_.push_back(Crossing{static_cast<std::int32_t>(a.x0 + a.xq), a.dir});
                a.xq += a.stepQ;
                a.rem += a.stepR;
                if (a.rem >= a.dy) {
                    a.rem -= a.dy;
                    ++a.xq;
                }
                active_[keep++] = a;
            }
            active_.resize(keep);
            if (crossings_.size() < 2) continue;
            // Crossings come nearly sorted from one sample row to the next;
            // insertion sort is linear then.
            if (crossings_.size() <= 48) {
                for (std::size_t j = 1; j < crossings_.size(); ++j) {
                    const Crossing c = crossings_[j];
                    std::size_t m = j;
                    while (m > 0 && crossings_[m - 1].x > c.x) {
                        crossings_[m] = crossings_[m - 1];
                        --m;
                    }
                    crossings_[m] = c;
                }
            } else {
                std::sort(crossings_.begin(), crossings_.end(),
                          [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
            }
            // Non-zero winding: inside wherever the running sum is not 0.
            int winding = 0;
            std::int64_t start = 0;
            for (const Crossing& c : crossings_) {
                const int before = winding;
                winding += c.dir;
                if (before == 0 && winding != 0)
                    start = c.x;
                else if (before != 0 && winding == 0)
                    AccumulateSpan(start, c.x);
            }
        }
        FlushRow(static_cast<int>(row), sink);
        ++row;
    }
}

}  // namespace lg
