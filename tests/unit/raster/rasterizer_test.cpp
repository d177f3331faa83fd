#include "raster/rasterizer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <random>
#include <vector>

#include "raster/bitmap32.h"
#include "raster/polygon_fill.h"
#include "raster/raster_test_util.h"

namespace lg {
namespace {

// Coverage per pixel of a w x h area at the origin.
class GridSink final : public CoverageSink {
public:
    GridSink(int w, int h) : w_(w), cover(static_cast<std::size_t>(w) * h, 0) {}
    void Row(int y, std::span<const CoverageSpan> spans) override {
        int lastEnd = std::numeric_limits<int>::min();
        for (const CoverageSpan& s : spans) {
            EXPECT_GE(s.x, lastEnd) << "spans come left to right without overlap";
            EXPECT_GT(s.len, 0);
            EXPECT_GT(s.cover, 0);
            for (int x = s.x; x < s.x + s.len; ++x)
                cover[static_cast<std::size_t>(y) * w_ + x] = s.cover;
            lastEnd = s.x + s.len;
        }
    }
    int At(int x, int y) const { return cover[static_cast<std::size_t>(y) * w_ + x]; }

private:
    int w_;

public:
    std::vector<int> cover;
};

GridSink Rasterize(const std::vector<Contour>& shape, int w, int h, TAntialiasMode mode,
                   TRect clip = {}) {
    PolygonRasterizer r;
    r.Reset(clip.IsEmpty() ? Rect(0, 0, w, h) : clip, mode);
    for (const Contour& c : shape) r.AddContour(c);
    GridSink sink(w, h);
    r.Render(sink);
    return sink;
}

// The obvious estimate: S sample rows per pixel at y + (i + 1/2) / S, and
// 256 sample points along each at x + (j + 1/2) / 256; a point is inside
// when the edges it lies right of add up to a non-zero winding number. An
// edge from y0 to y1 counts for sample rows y0 <= ys < y1.
int ReferenceCoverage(const std::vector<Contour>& shape, int px, int py, int samples) {
    int inside = 0;
    for (int i = 0; i < samples; ++i) {
        const double ys = py + (i + 0.5) / samples;
        std::vector<std::pair<double, int>> crossings;
        for (const Contour& c : shape) {
            for (std::size_t k = 0; k < c.size(); ++k) {
                const TFloatPoint a = c[k], b = c[(k + 1) % c.size()];
                if (a.Y == b.Y) continue;
                const bool down = a.Y < b.Y;
                const double y0 = down ? a.Y : b.Y, y1 = down ? b.Y : a.Y;
                if (ys < y0 || ys >= y1) continue;
                const double x = a.X + (ys - a.Y) * (b.X - a.X) / (b.Y - a.Y);
                crossings.push_back({x, down ? 1 : -1});
            }
        }
        for (int j = 0; j < 256; ++j) {
            const double xs = px + (j + 0.5) / 256;
            int winding = 0;
            for (const auto& [x, dir] : crossings) {
                if (x <= xs) winding += dir;
            }
            inside += winding != 0;
        }
    }
    return static_cast<int>(std::lround(inside * 255.0 / (samples * 256)));
}

// A random point on the 1/256 grid (which the rasterizer keeps exactly).
TFloatPoint GridPoint(std::mt19937& rng, float lo, float hi) {
    std::uniform_int_distribution<int> d(static_cast<int>(lo * 256), static_cast<int>(hi * 256));
    return {d(rng) / 256.0f, d(rng) / 256.0f};
}

TEST(PolygonRasterizer, MatchesSampledReferenceOnRandomPolygons) {
    std::mt19937 rng(1234567u);
    constexpr int kSize = 20;
    for (TAntialiasMode mode : {am16times, am32times}) {
        for (int round = 0; round < 8; ++round) {
            // One or two contours of 3..7 points, partly outside the area,
            // often crossing themselves and each other.
            std::vector<Contour> shape(1 + round % 2);
            for (Contour& c : shape) {
                const int n = std::uniform_int_distribution<int>(3, 7)(rng);
                for (int k = 0; k < n; ++k) c.push_back(GridPoint(rng, -3, kSize + 3));
            }
            const GridSink got = Rasterize(shape, kSize, kSize, mode);
            int worst = 0;
            for (int y = 0; y < kSize; ++y) {
                for (int x = 0; x < kSize; ++x) {
                    const int want = ReferenceCoverage(shape, x, y, SubSamples(mode));
                    worst = std::max(worst, std::abs(got.At(x, y) - want));
                }
            }
            // The rasterizer measures spans exactly where the reference
            // samples 256 points: one sample per crossing may differ.
            EXPECT_LE(worst, 3) << "mode " << SubSamples(mode) << " round " << round;
        }
    }
}

TEST(PolygonRasterizer, RectangleEdgesGivePartialCoverage) {
    // x from 2.5 to 6.75, y from 3.25 to 5.5.
    const std::vector<Contour> rect{{{2.5f, 3.25f}, {6.75f, 3.25f}, {6.75f, 5.5f}, {2.5f, 5.5f}}};
    const GridSink g = Rasterize(rect, 10, 10, am16times);
    struct Px {
        int x, y, cover;
        const char* why;
    };
    const Px px[] = {
        {3, 4, 255, "inside"},
        {2, 4, 128, "left half: 255 / 2 rounded"},
        {6, 4, 191, "three quarters: 191.25"},
        {3, 3, 191, "bottom three quarters of the row"},
        {3, 5, 128, "top half of the row"},
        {2, 3, 96, "corner: half of three quarters, 95.6"},
        {6, 5, 96, "corner: three quarters of a half"},
        {7, 4, 0, "right of it"},
        {3, 2, 0, "above it"},
    };
    for (const Px& p : px) EXPECT_EQ(g.At(p.x, p.y), p.cover) << p.why;
}

TEST(PolygonRasterizer, NonZeroWindingCoversOverlapsOnce) {
    struct Case {
        const char* why;
        std::vector<Contour> shape;
        TColor32 centre;  // pixel (10, 10) after filling $AF0000FF onto $00FFFFFF
        int x, y;         // a pixel covered by the shape once
    };
    const TColor32 once = BlendByAlpha(0xAF0000FFu, 0x00FFFFFFu);
    const Contour outer{{2, 2}, {18, 2}, {18, 18}, {2, 18}};
    const Contour innerSame{{6, 6}, {14, 6}, {14, 14}, {6, 14}};
    const Contour innerReversed{{6, 6}, {6, 14}, {14, 14}, {14, 6}};
    // A five-pointed star drawn in one stroke: its centre has winding 2.
    Contour star;
    for (int k = 0; k < 5; ++k) {
        const double a = -std::numbers::pi / 2 + k * 4 * std::numbers::pi / 5;
        star.push_back(
            {static_cast<float>(10 + 9 * std::cos(a)), static_cast<float>(10 + 9 * std::sin(a))});
    }
    const Case cases[] = {
        {"nested, same direction: one cover", {outer, innerSame}, once, 3, 10},
        {"nested, opposite direction: a hole", {outer, innerReversed}, 0x00FFFFFFu, 3, 10},
        {"star centre, winding 2: one cover", {star}, once, 10, 5},
        {"the same contour twice: one cover", {outer, outer}, once, 3, 10},
    };
    for (const Case& c : cases) {
        TBitmap32 b(20, 20);
        b.Clear(0x00FFFFFFu);
        FillPolygons(b, c.shape, 0xAF0000FFu, am16times);
        EXPECT_EQ(b.PixelS(10, 10), c.centre) << c.why;
        EXPECT_EQ(b.PixelS(c.x, c.y), once) << c.why << ": covered once elsewhere too";
    }
}

TEST(PolygonRasterizer, ClipsAndSurvivesWildCoordinates) {
    // A shape far larger than the clip rectangle, one with huge and NaN
    // coordinates, and an empty clip rectangle.
    const std::vector<Contour> big{{{-1e6f, -1e6f}, {1e6f, -1e6f}, {1e6f, 1e6f}, {-1e6f, 1e6f}}};
    GridSink g = Rasterize(big, 12, 12, am32times, Rect(3, 4, 9, 10));
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 12; ++x) {
            const bool inClip = x >= 3 && x < 9 && y >= 4 && y < 10;
            EXPECT_EQ(g.At(x, y), inClip ? 255 : 0) << x << "," << y;
        }
    }
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const std::vector<Contour> wild{{{nan, 5}, {3e38f, 1}, {-3e38f, 9}, {5, nan}}};
    Rasterize(wild, 12, 12, am16times);
    Rasterize(big, 12, 12, am16times, Rect(5, 5, 5, 9));
}

TEST(PolygonFill, CoverageScalesTheAlphaAndFollowsTheCombineMode) {
    // Left half of pixel (1, 0) covered: coverage 128.
    const Contour halfPixel{{0, 0}, {1.5f, 0}, {1.5f, 1}, {0, 1}};
    for (TCombineMode mode : {cmBlend, cmMerge}) {
        TBitmap32 b(3, 1);
        b.Clear(0x80102030u);
        b.SetCombineMode(mode);
        FillPolygon(b, halfPixel, 0xC8FF0000u);
        // W = round(200 * 128 / 255) = 100; the colour goes on with alpha W.
        const TColor32 f = WithAlpha(0xC8FF0000u, 100);
        const TColor32 full = 0xC8FF0000u;
        EXPECT_EQ(b.PixelS(0, 0),
                  mode == cmBlend ? BlendByAlpha(full, 0x80102030u) : Merge(full, 0x80102030u));
        EXPECT_EQ(b.PixelS(1, 0),
                  mode == cmBlend ? BlendByAlpha(f, 0x80102030u) : Merge(f, 0x80102030u));
        EXPECT_EQ(b.PixelS(2, 0), 0x80102030u);
    }
}

}  // namespace
}  // namespace lg
