// Speed of the raster engine's hot paths, each beside a plain memcpy of the
// same pixel area in the same run, so the ratio says what the operation
// costs over merely touching its memory.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <random>
#include <vector>

#include "copy_floor.h"
#include "raster/bitmap32.h"
#include "raster/blur.h"
#include "raster/blur_p.h"
#include "raster/line32.h"
#include "simd/dispatch.h"
#include "summary.h"

namespace lg {
namespace {

using bench::CopyPixels;

void FillRandom(TBitmap32& b, std::uint32_t start) {
    std::mt19937 rng(start);
    for (TColor32& p : b.Pixels()) p = rng();
}

// ---- BoxBlur over 800 x 600, radius 5 (the blur tool) ------------------

void BM_BoxBlur_800x600(benchmark::State& state) {
    TBitmap32 b(800, 600);
    FillRandom(b, 1u);
    for (auto _ : state) {
        BoxBlur(b, 5);
        benchmark::DoNotOptimize(b.Bits());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 800 * 600 * 4);
}
BENCHMARK(BM_BoxBlur_800x600)->Unit(benchmark::kMillisecond);

void BM_Memcpy_800x600(benchmark::State& state) {
    CopyPixels(state, 800, 600);
}
BENCHMARK(BM_Memcpy_800x600)->Unit(benchmark::kMillisecond);

// ---- BoxBlur over a whole 3840 x 2160 frame, radius 5 -------------------

void BM_BoxBlur_3840x2160(benchmark::State& state) {
    TBitmap32 b(3840, 2160);
    FillRandom(b, 3u);
    for (auto _ : state) {
        BoxBlur(b, 5);
        benchmark::DoNotOptimize(b.Bits());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 3840 * 2160 * 4);
}
BENCHMARK(BM_BoxBlur_3840x2160)->Unit(benchmark::kMillisecond);

void BM_BlurMemcpy_3840x2160(benchmark::State& state) {
    CopyPixels(state, 3840, 2160);
}
BENCHMARK(BM_BlurMemcpy_3840x2160)->Unit(benchmark::kMillisecond);

// ---- The SSE2 path alone, as a processor without AVX2 runs it ---------

void BoxBlurSse2(benchmark::State& state, int w, int h) {
    if (!simd::HasSse2()) {
        state.SkipWithError("no SSE2");
        return;
    }
    TBitmap32 b(w, h);
    FillRandom(b, 3u);
    for (auto _ : state) {
        blur_detail::RunSse2(blur_detail::ClipJob(b, 5));
        benchmark::DoNotOptimize(b.Bits());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * w * h * 4);
}
void BM_BoxBlurSse2_800x600(benchmark::State& state) {
    BoxBlurSse2(state, 800, 600);
}
BENCHMARK(BM_BoxBlurSse2_800x600)->Unit(benchmark::kMillisecond);
void BM_BoxBlurSse2_3840x2160(benchmark::State& state) {
    BoxBlurSse2(state, 3840, 2160);
}
BENCHMARK(BM_BoxBlurSse2_3840x2160)->Unit(benchmark::kMillisecond);

const bool kBlurCompared = [] {
    bench::AddComparison({"BoxBlur r = 5 over 800 x 600, beside its memcpy", "BM_BoxBlur_800x600",
                          "BM_Memcpy_800x600", bench::Comparison::kCost});
    bench::AddComparison({"BoxBlur r = 5 over 3840 x 2160, beside its memcpy",
                          "BM_BoxBlur_3840x2160", "BM_BlurMemcpy_3840x2160",
                          bench::Comparison::kCost});
    bench::AddComparison({"BoxBlur r = 5 over 800 x 600 on SSE2 alone, beside its memcpy",
                          "BM_BoxBlurSse2_800x600", "BM_Memcpy_800x600", bench::Comparison::kCost});
    bench::AddComparison({"BoxBlur r = 5 over 3840 x 2160 on SSE2 alone, beside its memcpy",
                          "BM_BoxBlurSse2_3840x2160", "BM_BlurMemcpy_3840x2160",
                          bench::Comparison::kCost});
    return true;
}();

// ---- A 200-point thick polyline on 3840 x 2160 -------------------------

// A freehand stroke: 200 points of a random walk, 10 to 30 px apart (the
// input thinning keeps points more than 5 px apart).
std::vector<TFixedPoint> FreehandStroke() {
    std::mt19937 rng(2u);
    std::uniform_real_distribution<double> turn(-0.6, 0.6), step(10, 30);
    std::vector<TFixedPoint> pts;
    double x = 1920, y = 1080, heading = 0;
    for (int i = 0; i < 200; ++i) {
        pts.push_back(FixedPoint(static_cast<int>(x), static_cast<int>(y)));
        heading += turn(rng);
        x = std::clamp(x + step(rng) * std::cos(heading), 0.0, 3839.0);
        y = std::clamp(y + step(rng) * std::sin(heading), 0.0, 2159.0);
    }
    return pts;
}

// 200 points zig-zagging across the whole bitmap: long segments.
std::vector<TFixedPoint> ZigZag() {
    std::vector<TFixedPoint> pts;
    for (int i = 0; i < 200; ++i) pts.push_back(FixedPoint(i % 2 ? 3800 : 40, 20 + i * 10));
    return pts;
}

void DrawStroke(benchmark::State& state, const std::vector<TFixedPoint>& pts, TColor32 color,
                float width) {
    TBitmap32 b(3840, 2160);
    b.Clear(0x00FFFFFFu);
    TLine32 line;
    line.EndStyle = esRounded;
    line.JoinStyle = jsRounded;
    line.SetPoints(pts);
    for (auto _ : state) {
        line.Draw(b, color, 0, width);
        benchmark::DoNotOptimize(b.Bits());
    }
}

// The marker: width 5 x pen width 5, alpha 175.
void BM_Polyline200_Freehand_Marker25(benchmark::State& state) {
    DrawStroke(state, FreehandStroke(), 0xAF0000FFu, 25);
}
BENCHMARK(BM_Polyline200_Freehand_Marker25)->Unit(benchmark::kMillisecond);

// The pen at its default width 5.
void BM_Polyline200_Freehand_Pen5(benchmark::State& state) {
    DrawStroke(state, FreehandStroke(), 0xFFFF0000u, 5);
}
BENCHMARK(BM_Polyline200_Freehand_Pen5)->Unit(benchmark::kMillisecond);

void BM_Polyline200_ZigZag_Marker25(benchmark::State& state) {
    DrawStroke(state, ZigZag(), 0xAF0000FFu, 25);
}
BENCHMARK(BM_Polyline200_ZigZag_Marker25)->Unit(benchmark::kMillisecond);

// What the move handler does at each accepted point: clear, then redraw.
void BM_ClearAndPolyline200_Freehand_Marker25(benchmark::State& state) {
    TBitmap32 b(3840, 2160);
    TLine32 line;
    line.EndStyle = esRounded;
    line.JoinStyle = jsRounded;
    const auto pts = FreehandStroke();
    line.SetPoints(pts);
    for (auto _ : state) {
        b.Clear(0x00FFFFFFu);
        line.Draw(b, 0xAF0000FFu, 0, 25);
        benchmark::DoNotOptimize(b.Bits());
    }
}
BENCHMARK(BM_ClearAndPolyline200_Freehand_Marker25)->Unit(benchmark::kMillisecond);

void BM_Memcpy_3840x2160(benchmark::State& state) {
    CopyPixels(state, 3840, 2160);
}
BENCHMARK(BM_Memcpy_3840x2160)->Unit(benchmark::kMillisecond);

// ---- A blended Draw of 1920 x 1080 -------------------------------------

void BlendedDraw(benchmark::State& state, TCombineMode mode, std::uint8_t master) {
    TBitmap32 src(1920, 1080), dst(1920, 1080);
    FillRandom(src, 3u);
    FillRandom(dst, 4u);
    src.SetDrawMode(dmBlend);
    src.SetCombineMode(mode);
    src.SetMasterAlpha(master);
    for (auto _ : state) {
        dst.Draw(0, 0, src);
        benchmark::DoNotOptimize(dst.Bits());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 1920 * 1080 * 4);
}

void BM_DrawBlend_1920x1080(benchmark::State& state) {
    BlendedDraw(state, cmBlend, 255);
}
BENCHMARK(BM_DrawBlend_1920x1080)->Unit(benchmark::kMillisecond);

void BM_DrawBlendMaster_1920x1080(benchmark::State& state) {
    BlendedDraw(state, cmBlend, 128);
}
BENCHMARK(BM_DrawBlendMaster_1920x1080)->Unit(benchmark::kMillisecond);

void BM_DrawMerge_1920x1080(benchmark::State& state) {
    BlendedDraw(state, cmMerge, 255);
}
BENCHMARK(BM_DrawMerge_1920x1080)->Unit(benchmark::kMillisecond);

void BM_Memcpy_1920x1080(benchmark::State& state) {
    CopyPixels(state, 1920, 1080);
}
BENCHMARK(BM_Memcpy_1920x1080)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lg
