// Anti-aliased polygon rasterizer: the coverage of a shape made of closed
// contours, filled by the non-zero winding rule.
//
// How it is used:
//  1. Reset(clip, mode): the rectangle of pixels that may be touched and the
//     anti-aliasing quality (am16times or am32times sub-sample rows).
//  2. AddContour(points) for every closed contour of the shape; the last
//     point joins the first. All contours added before one Render form one
//     shape: their winding numbers add up, and every place whose winding
//     number is not zero is inside. So overlapping contours, or a contour
//     that crosses itself, cover each place once.
//  3. Render(sink): the sink gets, row by row from the top, the runs of
//     pixels with their coverage 1..255 (rows and pixels of coverage 0 are
//     left out).
//  4. The object may be reset and used again; it keeps its buffers.
//
// Numbers:
//  - Points are floats in pixel units; pixel (x, y) is the square
//    [x, x+1) x [y, y+1). They are rounded to 24.8 fixed point (1/256
//    pixel) and clamped to +-2^22 pixels, so every product of the edge
//    stepping fits 64 bits and every position fits 32. NaN counts as 0.
//  - A pixel row is sampled along S sub-scanlines at y + (i + 1/2) / S,
//    i = 0 .. S-1, with S = 16 (am16times) or 32 (am32times); 256 / S is a
//    whole number of fixed-point steps, so the sample rows are exact.
//  - Along a sub-scanline the inside spans are found from the edge
//    crossings (exact integer stepping, no accumulated rounding) and
//    measured to 1/256 pixel. A pixel's coverage is the mean over its S
//    sub-scanlines of the covered part of its width, as 0..255 rounded.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "raster/geometry.h"

namespace lg {

// Anti-aliasing quality: sub-sample rows per pixel.
enum TAntialiasMode : std::uint8_t { am16times, am32times };

constexpr int SubSamples(TAntialiasMode m) {
    return m == am32times ? 32 : 16;
}

// A run of len pixels from x on one row, all with the same coverage.
struct CoverageSpan {
    int x = 0;
    int len = 0;
    std::uint8_t cover = 0;  // 1..255
};

// Receives the coverage of one row at a time (one call per row, not per
// pixel).
class CoverageSink {
public:
    virtual ~CoverageSink() = default;
    virtual void Row(int y, std::span<const CoverageSpan> spans) = 0;
};

class PolygonRasterizer {
public:
    void Reset(const TRect& clip, TAntialiasMode mode);
    void AddContour(std::span<const TFloatPoint> points);
    void Render(CoverageSink& sink);

private:
    struct Edge {
        std::int32_t x0, y0, x1, y1;  // 24.8, y0 < y1
        std::int32_t dir;             // +1 downwards, -1 upwards
        std::int64_t first, last;     // sample rows k (at k*d + d/2) it crosses
    };
    struct ActiveEdge {
        std::int64_t xq, rem;  // x - x0 = xq + rem / dy, 0 <= rem < dy
        std::int64_t stepQ, stepR;
        std::int64_t dy, last;
        std::int32_t x0, dir;
    };
    struct Crossing {
        std::int32_t x;
        std::int32_t dir;
    };

    void AddEdge(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1);
    void AccumulateSpan(std::int64_t xa, std::int64_t xb);
    void Touch(int i);
    void FlushRow(int y, CoverageSink& sink);

    TRect clip_{};
    int samples_ = 16;
    int step_ = 16;  // 256 / samples_: fixed-point distance of sample rows
    std::vector<Edge> edges_;
    std::vector<ActiveEdge> active_;
    std::vector<Crossing> crossings_;
    // Per pixel of the current row (index x - clip.Left, one extra slot at
    // the right edge): partial coverage and the change of the running
    // full coverage, both in 1/256 pixel summed over sub-scanlines.
    std::vector<std::int32_t> cell_, delta_;
    std::vector<std::uint8_t> marked_;
    std::vector<int> touched_;
    std::vector<CoverageSpan> spans_;
};

}  // namespace lg
