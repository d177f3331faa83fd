// The undo store on a 4K capture of real screen content: adding the snapshot
// after a small figure, undo and redo, beside a plain copy of the whole frame
// (what a store of full snapshots pays per step). Memory is reported as
// counters: "bytes_per_snapshot" beyond the one full picture the store keeps,
// and for a long edit on three 4K monitors "held_bytes" and
// "held_vs_full_copies".
#include <benchmark/benchmark.h>
#include <png.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "capture/store_list_bitmap32.h"
#include "raster/bitmap32.h"

namespace {

using lg::DeltaPacking;
using lg::TBitmap32;
using lg::TColor32;
using lg::TRect;

// The corpus picture, or flat stripes with noise when the corpus is absent.
TBitmap32 LoadCapture(int width, int height) {
    TBitmap32 b(width, height);
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    const std::string path = std::string(LUMIGRAB_CORPUS_DIR) + "/mixed-3840x2160.png";
    std::vector<TColor32> src;
    if (png_image_begin_read_from_file(&image, path.c_str())) {
        image.format = PNG_FORMAT_BGRA;  // little-endian $AARRGGBB words
        src.resize(static_cast<std::size_t>(image.width) * image.height);
        if (!png_image_finish_read(&image, nullptr, src.data(), 0, nullptr)) src.clear();
    }
    const int sw = src.empty() ? 0 : static_cast<int>(image.width);
    const int sh = src.empty() ? 0 : static_cast<int>(image.height);
    png_image_free(&image);
    std::mt19937 rng(42);
    for (int y = 0; y < height; ++y) {
        TColor32* row = b.ScanLine(y);
        for (int x = 0; x < width; ++x) {
            // Several monitors side by side show the picture tiled.
            row[x] = sw ? src[static_cast<std::size_t>(y % sh) * sw + x % sw]
                        : (0xFF000000u | ((y / 40) * 0x102030u) | (rng() % 7 == 0 ? rng() : 0));
        }
    }
    return b;
}

const TBitmap32& Capture4K() {
    static const TBitmap32 capture = LoadCapture(3840, 2160);
    return capture;
}

void FillRect(TBitmap32& b, TRect r, TColor32 c) {
    r = lg::IntersectRect(r, b.BoundsRect());
    for (int y = r.Top; y < r.Bottom; ++y) std::fill_n(b.PixelPtr(r.Left, y), r.Width(), c);
}

// A 3 pixel rectangle outline, 320 x 200: the common small figure.
void DrawRectangle(TBitmap32& b, int x, int y, TColor32 c) {
    FillRect(b, {x, y, x + 320, y + 3}, c);
    FillRect(b, {x, y + 197, x + 320, y + 200}, c);
    FillRect(b, {x, y, x + 3, y + 200}, c);
    FillRect(b, {x + 317, y, x + 320, y + 200}, c);
}

// A 4 pixel diagonal line over 900 x 600: a long arrow, whose bounding
// rectangle is large and mostly untouched.
void DrawArrow(TBitmap32& b, int x, int y, TColor32 c) {
    for (int i = 0; i < 900; ++i)
        FillRect(b, {x + i, y + i * 2 / 3, x + i + 4, y + i * 2 / 3 + 4}, c);
}

// A 400 x 300 box blur (radius 4, rows then columns): every pixel changes.
void DrawBlur(TBitmap32& b, int x, int y, TColor32) {
    const TRect r = lg::IntersectRect({x, y, x + 400, y + 300}, b.BoundsRect());
    std::vector<TColor32> line;
    auto blur = [&line](TColor32* p, int n, std::size_t step) {
        line.assign(static_cast<std::size_t>(n), 0);
        for (int i = 0; i < n; ++i) line[static_cast<std::size_t>(i)] = p[i * step];
        for (int i = 0; i < n; ++i) {
            unsigned sum[4] = {};
            int count = 0;
            for (int k = std::max(0, i - 4); k <= std::min(n - 1, i + 4); ++k, ++count) {
                for (int ch = 0; ch < 4; ++ch)
                    sum[ch] += line[static_cast<std::size_t>(k)] >> (8 * ch) & 0xFF;
            }
            TColor32 v = 0;
            for (int ch = 0; ch < 4; ++ch) v |= (sum[ch] / count) << (8 * ch);
            p[i * step] = v;
        }
    };
    for (int yy = r.Top; yy < r.Bottom; ++yy) blur(b.PixelPtr(r.Left, yy), r.Width(), 1);
    for (int xx = r.Left; xx < r.Right; ++xx) {
        blur(b.PixelPtr(xx, r.Top), r.Height(), static_cast<std::size_t>(b.Width()));
    }
}

using Figure = void (*)(TBitmap32&, int, int, TColor32);
constexpr Figure kFigures[] = {DrawRectangle, DrawArrow, DrawBlur};
constexpr const char* kFigureNames[] = {"rectangle", "arrow", "blur"};

// Draws figure number i at a place and in a colour of its own.
void DrawFigure(TBitmap32& b, Figure figure, int i) {
    const int x = 40 + (i * 337) % (b.Width() - 1000);
    const int y = 40 + (i * 211) % (b.Height() - 700);
    figure(b, x, y, 0xFF000000u | (0x00C01020u + static_cast<TColor32>(i) * 0x00010307u));
}

void BM_MemcpyFrame(benchmark::State& state) {
    const TBitmap32& capture = Capture4K();
    TBitmap32 copy = capture;
    for (auto _ : state) {
        std::memcpy(copy.Bits(), capture.Bits(), capture.Pixels().size_bytes());
        benchmark::ClobberMemory();
    }
    state.counters["bytes_per_snapshot"] = static_cast<double>(capture.Pixels().size_bytes());
}
BENCHMARK(BM_MemcpyFrame)->Unit(benchmark::kMillisecond);

// Args: packing (0 RLE, 1 RLE + deflate), figure.
void BM_AddSnapshot(benchmark::State& state) {
    const auto packing = static_cast<DeltaPacking>(state.range(0));
    const Figure figure = kFigures[state.range(1)];
    state.SetLabel(kFigureNames[state.range(1)]);
    TBitmap32 picture = Capture4K();
    int stampCounter = 1;
    lg::TStoreListBitmap32 store(stampCounter, packing);
    store.AddBitmap(picture, false);
    const std::size_t first = store.HeldBytes();
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        DrawFigure(picture, figure, i++);
        state.ResumeTiming();
        if (!store.AddBitmap(picture, false)) state.SkipWithError("out of memory");
    }
    state.counters["bytes_per_snapshot"] =
        static_cast<double>(store.HeldBytes() - first) / std::max(i, 1);
}
BENCHMARK(BM_AddSnapshot)
    ->ArgsProduct({{0, 1}, {0, 1, 2}})
    ->ArgNames({"deflate", "figure"})
    ->Unit(benchmark::kMillisecond);

// One step back and one forward over a figure, in a history of 50 of them.
void BM_UndoRedo(benchmark::State& state) {
    const auto packing = static_cast<DeltaPacking>(state.range(0));
    const Figure figure = kFigures[state.range(1)];
    state.SetLabel(kFigureNames[state.range(1)]);
    TBitmap32 picture = Capture4K();
    int stampCounter = 1;
    lg::TStoreListBitmap32 store(stampCounter, packing);
    store.AddBitmap(picture, false);
    for (int i = 0; i < 50; ++i) {
        DrawFigure(picture, figure, i);
        store.AddBitmap(picture, false);
    }
    for (int i = 0; i < 25; ++i) store.UndoGet();  // from the middle of the history
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.UndoGet());
        benchmark::DoNotOptimize(store.RedoGet());
    }
    state.SetItemsProcessed(state.iterations() * 2);  // items: steps
}
BENCHMARK(BM_UndoRedo)
    ->ArgsProduct({{0, 1}, {0, 1, 2}})
    ->ArgNames({"deflate", "figure"})
    ->Unit(benchmark::kMicrosecond);

// 200 small figures, alternately rectangles and arrows, on a capture of three
// 4K monitors (11520 x 2160, 100 MB a picture): what a long edit holds.
void BM_LongEditMemory(benchmark::State& state) {
    const auto packing = static_cast<DeltaPacking>(state.range(0));
    TBitmap32 picture = LoadCapture(3 * 3840, 2160);
    const double frameBytes = static_cast<double>(picture.Pixels().size_bytes());
    constexpr int kFiguresDrawn = 200;
    std::size_t held = 0;
    for (auto _ : state) {
        int stampCounter = 1;
        lg::TStoreListBitmap32 store(stampCounter, packing);
        store.AddBitmap(picture, false);
        for (int i = 0; i < kFiguresDrawn; ++i) {
            DrawFigure(picture, kFigures[i % 2], i);
            if (!store.AddBitmap(picture, false)) state.SkipWithError("out of memory");
        }
        held = store.HeldBytes();
    }
    state.counters["held_bytes"] = static_cast<double>(held);
    state.counters["bytes_per_snapshot"] = (static_cast<double>(held) - frameBytes) / kFiguresDrawn;
    // A store of full snapshots holds the capture and one copy per figure.
    state.counters["held_vs_full_copies"] =
        static_cast<double>(held) / (frameBytes * (kFiguresDrawn + 1));
}
BENCHMARK(BM_LongEditMemory)
    ->Arg(0)
    ->Arg(1)
    ->ArgNames({"deflate"})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
