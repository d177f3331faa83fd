// The drawing tools at mouse-move rate, on corpus captures laid out as the
// capture window lays them out, each beside a plain memcpy of the area it
// touches in the same run, so the ratio says what a redraw costs over
// merely touching its memory.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "copy_floor.h"
#include "corpus.h"
#include "layers/bitmap_layer.h"
#include "layers/img_view32.h"
#include "layers/positioned_layer.h"
#include "raster/bitmap32.h"
#include "settings/settings.h"
#include "summary.h"
#include "tools/base_tool_layer.h"
#include "tools/rect_gauss_tool_layer.h"
#include "tools/tr_pl_tool_layer.h"

namespace lg {
namespace {

using bench::CopyPixels;

// The capture view of the editor: the capture as the view's bitmap, the
// draw layer (index 0) with a draw bitmap of the capture's size, a
// stand-in for the selection layer (index 1) that takes no presses; the
// tool goes on top.
class CaptureScene {
public:
    explicit CaptureScene(const bench::CorpusFrame& frame) {
        TBitmap32 capture(frame.width, frame.height);
        for (int y = 0; y < frame.height; ++y) {
            std::memcpy(capture.ScanLine(y),
                        frame.pixels.data() + static_cast<std::size_t>(y) * frame.width,
                        static_cast<std::size_t>(frame.width) * sizeof(TColor32));
        }
        view.SetBitmap(capture);
        drawLayer = &view.Layers().Add<TBitmapLayer>();
        TBitmap32& draw = drawLayer->Bitmap();
        draw.SetSize(frame.width, frame.height);
        draw.Clear(kDrawBitmapClear);
        draw.SetDrawMode(dmBlend);
        draw.SetCombineMode(cmBlend);
        const TFloatRect all{0, 0, static_cast<float>(frame.width),
                             static_cast<float>(frame.height)};
        drawLayer->SetLocation(all);
        view.Layers().Add<TPositionedLayer>().SetMouseEvents(false);
        selection = all;
    }

    TImgView32 view;
    TBitmapLayer* drawLayer = nullptr;
    TFloatRect selection;
};

bool LoadOrSkip(benchmark::State& state, const bench::CorpusFrame& frame) {
    if (frame.width > 0) return true;
    state.SkipWithError("corpus image could not be read");
    return false;
}

// ---- The blur tool: one DrawFigure over 800 x 600 of a desktop ----------

class TBenchBlur : public TRectGaussToolLayer {
public:
    using TRectGaussToolLayer::DrawFigure;
    using TRectGaussToolLayer::TRectGaussToolLayer;
};

// Mid-drag, the state a mouse move redraws in: the figure is recomputed
// from the capture and the whole draw bitmap is cleared first.
void BM_Tool_BlurFigure_800x600(benchmark::State& state) {
    const bench::CorpusFrame& frame =
        bench::LoadCorpusFrame(bench::CorpusPath("desktop-1920x1080.png"));
    if (!LoadOrSkip(state, frame)) return;
    CaptureScene scene(frame);
    auto& blur =
        TBaseToolLayer::Create<TBenchBlur>(scene.view, scene.selection, scene.drawLayer->Bitmap());
    const int left = (frame.width - 800) / 2, top = (frame.height - 600) / 2;
    scene.view.MouseDown(mbLeft, 0, left, top);
    scene.view.MouseMove(ssLeft, left + 800, top + 600);
    for (auto _ : state) {
        blur.DrawFigure();
        benchmark::DoNotOptimize(scene.drawLayer->Bitmap().Bits());
        // The view's dirty list is bounded, but a host takes it at every
        // paint; so does this loop.
        benchmark::DoNotOptimize(scene.view.TakeDirtyRects());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 800 * 600 * 4);
}
BENCHMARK(BM_Tool_BlurFigure_800x600)->Unit(benchmark::kMillisecond);

void BM_Tool_Memcpy_800x600(benchmark::State& state) {
    CopyPixels(state, 800, 600);
}
BENCHMARK(BM_Tool_Memcpy_800x600)->Unit(benchmark::kMillisecond);

// The draw bitmap the blur clears at each redraw is the whole capture.
void BM_Tool_Memcpy_1920x1080(benchmark::State& state) {
    CopyPixels(state, 1920, 1080);
}
BENCHMARK(BM_Tool_Memcpy_1920x1080)->Unit(benchmark::kMillisecond);

// ---- The marker: one redraw of a 200-point stroke on 3840 x 2160 --------

class TBenchMarker : public TTrPLToolLayer {
public:
    using TTrPLToolLayer::TTrPLToolLayer;
    // What the move handler does at each accepted point once the point is
    // added: clear the draw bitmap, draw the whole stroke again.
    void Redraw() {
        ClearDrawBitmap();
        DrawFigure();
    }
};

// A freehand stroke: a random walk around the middle of the picture, each
// step 10 to 30 pixels, so the input thinning (more than 5 pixels) keeps
// every point.
std::vector<TPoint> FreehandPoints(int width, int height, int count) {
    std::mt19937 rng(2u);
    std::uniform_real_distribution<double> turn(-0.6, 0.6), step(10, 30);
    std::vector<TPoint> pts;
    double x = width / 2.0, y = height / 2.0, heading = 0;
    for (int i = 0; i < count; ++i) {
        pts.push_back({static_cast<int>(x), static_cast<int>(y)});
        heading += turn(rng);
        x = std::clamp(x + step(rng) * std::cos(heading), 0.0, width - 1.0);
        y = std::clamp(y + step(rng) * std::sin(heading), 0.0, height - 1.0);
    }
    return pts;
}

void BM_Tool_MarkerRedraw200_3840x2160(benchmark::State& state) {
    const bench::CorpusFrame& frame =
        bench::LoadCorpusFrame(bench::CorpusPath("mixed-3840x2160.png"));
    if (!LoadOrSkip(state, frame)) return;
    const TLGSettings saved = LGSettings();
    LGSettings().penwidth = 5;  // the default: a marker 25 pixels wide
    LGSettings().pencolor = 0xFFFFFF00u;
    CaptureScene scene(frame);
    auto& marker = TBaseToolLayer::Create<TBenchMarker>(scene.view, scene.selection,
                                                        scene.drawLayer->Bitmap());
    std::uint32_t now = 1000;
    marker.SetTickSource([&now] { return now; });
    const std::vector<TPoint> pts = FreehandPoints(frame.width, frame.height, 200);
    scene.view.MouseDown(mbLeft, 0, pts[0].X, pts[0].Y);
    for (std::size_t i = 1; i < pts.size(); ++i) {
        now += 40;  // past the 30 ms thinning
        scene.view.MouseMove(ssLeft, pts[i].X, pts[i].Y);
    }
    if (marker.Stroke().Points().size() != pts.size()) {
        state.SkipWithError("the stroke did not take every point");
    }
    for (auto _ : state) {
        marker.Redraw();
        benchmark::DoNotOptimize(scene.drawLayer->Bitmap().Bits());
        benchmark::DoNotOptimize(scene.view.TakeDirtyRects());
    }
    state.counters["points"] = static_cast<double>(marker.Stroke().Points().size());
    LGSettings() = saved;
}
BENCHMARK(BM_Tool_MarkerRedraw200_3840x2160)->Unit(benchmark::kMillisecond);

void BM_Tool_Memcpy_3840x2160(benchmark::State& state) {
    CopyPixels(state, 3840, 2160);
}
BENCHMARK(BM_Tool_Memcpy_3840x2160)->Unit(benchmark::kMillisecond);

const bool kCompared = [] {
    using bench::AddComparison;
    using bench::Comparison;
    AddComparison({"Blur figure, 800 x 600 of a 1920 x 1080 desktop, beside its memcpy",
                   "BM_Tool_BlurFigure_800x600", "BM_Tool_Memcpy_800x600", Comparison::kCost});
    AddComparison({"Marker redraw, 200 points on 3840 x 2160, beside a memcpy of the draw bitmap",
                   "BM_Tool_MarkerRedraw200_3840x2160", "BM_Tool_Memcpy_3840x2160",
                   Comparison::kCost});
    return true;
}();

}  // namespace
}  // namespace lg
