// A whole drag of every drawing tool on a 3840 x 2160 capture, as the
// editor runs it: each mouse move goes to the view, and the host then
// paints what the view marked dirty together with what the system exposes
// (the box of the invalidated rectangles) into its back buffer. The time
// of one move, from the event to the pixels in the back buffer, is set
// beside a memcpy of the frame.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>
#include <string>
#include <vector>

#include "copy_floor.h"
#include "corpus.h"
#include "layers/bitmap_layer.h"
#include "layers/dirty_region.h"
#include "layers/img_view32.h"
#include "layers/positioned_layer.h"
#include "settings/settings.h"
#include "summary.h"
#include "tools/base_pl_tool_layer.h"
#include "tools/tool_classes.h"
#include "tools/tool_point.h"

namespace lg {
namespace {

constexpr int kMoves = 60;

struct DragTool {
    const char* name;
    TCurTool kind;
};
constexpr DragTool kTools[] = {
    {"line", ctLine},
    {"arrow", ctArrow},
    {"rectangle", ctRect},
    {"blur", ctRectGaus},
    {"translucent_rectangle", ctTrRect},
    {"filled_rectangle", ctFillRect},
    {"pen", ctPen},
    {"marker", ctTrPen},
};

// The editor's view over the capture, with the host's back buffer.
class Editor {
public:
    explicit Editor(const bench::CorpusFrame& frame) {
        TBitmap32 capture(frame.width, frame.height);
        std::memcpy(capture.Bits(), frame.pixels.data(), frame.pixels.size() * sizeof(TColor32));
        view.SetBitmap(capture);
        draw = &view.Layers().Add<TBitmapLayer>();
        draw->Bitmap().SetSize(frame.width, frame.height);
        draw->Bitmap().Clear(kDrawBitmapClear);
        draw->Bitmap().SetDrawMode(dmBlend);
        draw->Bitmap().SetCombineMode(cmBlend);
        all = TFloatRect{0, 0, static_cast<float>(frame.width), static_cast<float>(frame.height)};
        draw->SetLocation(all);
        view.Layers().Add<TPositionedLayer>().SetMouseEvents(false);
        view.OnInvalidate = [this](const TRect& r) { exposed = UnionRect(exposed, r); };
        buffer.SetSize(frame.width, frame.height);
        Paint();
    }
    void Paint() {
        benchmark::DoNotOptimize(view.PaintDirtyRects(buffer, exposed));
        exposed = TRect{};
    }

    TImgView32 view;
    TBitmapLayer* draw = nullptr;
    TBitmap32 buffer;
    TRect exposed;
    TFloatRect all;
};

// The pointer's path: from a press left of the middle, out to a circle of
// 300 pixels and round it, so the figure (about 1300 x 900) keeps changing
// shape; a freehand stroke follows the same path.
TPoint PathPoint(int i) {
    const double t = 2 * std::numbers::pi * i / kMoves;
    return {static_cast<int>(2300 + 300 * std::cos(t)), static_cast<int>(1400 + 300 * std::sin(t))};
}

void BM_DragMove(benchmark::State& state, TCurTool kind) {
    const bench::CorpusFrame& frame =
        bench::LoadCorpusFrame(bench::CorpusPath("mixed-3840x2160.png"));
    if (frame.width == 0) {
        state.SkipWithError("corpus image could not be read");
        return;
    }
    const TLGSettings saved = LGSettings();
    LGSettings().penwidth = 5;
    LGSettings().pencolor = 0xFFE02020u;
    Editor editor(frame);
    std::uint32_t now = 1000;
    for (auto _ : state) {
        // A fresh layer for every drag, as after each commit (not timed).
        TBaseToolLayer* tool =
            CreateToolLayer(kind, editor.view, editor.all, editor.draw->Bitmap());
        if (auto* pl = dynamic_cast<TBasePLToolLayer*>(tool))
            pl->SetTickSource([&now] { return now; });
        editor.Paint();
        editor.view.MouseDown(mbLeft, 0, 1000, 500);
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < kMoves; ++i) {
            now += 40;  // past the freehand tools' thinning
            const TPoint p = PathPoint(i);
            editor.view.MouseMove(ssLeft, p.X, p.Y);
            editor.Paint();
        }
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count() / kMoves);
        editor.view.MouseUp(mbLeft, 0, PathPoint(kMoves - 1).X, PathPoint(kMoves - 1).Y);
        editor.view.Layers().Delete(tool->Index());
        editor.Paint();
    }
    LGSettings() = saved;
}

void BM_DragFrameMemcpy(benchmark::State& state) {
    bench::CopyPixels(state, 3840, 2160);
}

const bool kRegistered = [] {
    for (const DragTool& t : kTools) {
        benchmark::RegisterBenchmark((std::string("BM_DragMove/") + t.name).c_str(), BM_DragMove,
                                     t.kind)
            ->UseManualTime()
            ->Iterations(15)  // each drag starts with a fresh layer and a full paint
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("BM_DragFrameMemcpy/") + t.name).c_str(),
                                     BM_DragFrameMemcpy)
            ->Unit(benchmark::kMillisecond);
    }
    bench::AddComparison(
        {"One mouse move of a drag on 3840 x 2160 (event to back buffer), "
         "beside a memcpy of the frame",
         "BM_DragMove", "BM_DragFrameMemcpy", bench::Comparison::kCost});
    return true;
}();

}  // namespace
}  // namespace lg
