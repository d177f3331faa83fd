// The encoders on real screen content (../shared/corpus), each beside its
// reference library at that library's defaults, fed the same pixels, and a
// plain copy of the frame as the floor. Sizes are reported as counters:
// "bytes", and "size_vs_libpng" for PNGs; the reporter (main.cpp) prints
// speed and size ratios per picture and their geometric means.
#include <benchmark/benchmark.h>
#include <png.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>  // jpeglib.h needs FILE
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "corpus.h"
#include "output/image_view.h"
#include "output/jpeg_encoder.h"
#include "output/png_encoder.h"
#include "output/png_encoder_p.h"
#include "summary.h"

namespace {

using Frame = lg::bench::CorpusFrame;

lg::ImageView32 View(const Frame& frame) {
    return {frame.pixels.data(), frame.width, frame.height, frame.width};
}

const Frame& LoadFrame(const std::string& path) {
    return lg::bench::LoadCorpusFrame(path);
}

void WriteToVector(png_structp png, png_bytep data, png_size_t size) {
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + size);
}

// libpng with its defaults (level 6, all five filters tried per row), fed
// the 32-bit frame directly as an application would.
bool EncodeWithLibpng(const Frame& frame, std::vector<uint8_t>& out) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    std::vector<png_bytep> rows(static_cast<size_t>(frame.height));
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &out, WriteToVector, nullptr);
    png_set_IHDR(png, info, frame.width, frame.height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_set_bgr(png);
    png_set_filler(png, 0, PNG_FILLER_AFTER);
    for (int y = 0; y < frame.height; ++y) {
        rows[y] = reinterpret_cast<png_bytep>(
            const_cast<uint32_t*>(frame.pixels.data() + static_cast<size_t>(y) * frame.width));
    }
    png_write_image(png, rows.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

size_t LibpngSize(const std::string& path) {
    static std::map<std::string, size_t> sizes;
    auto it = sizes.find(path);
    if (it != sizes.end()) return it->second;
    std::vector<uint8_t> out;
    EncodeWithLibpng(LoadFrame(path), out);
    return sizes[path] = out.size();
}

void ReportPngSize(benchmark::State& state, const std::string& path, size_t bytes) {
    state.counters["bytes"] = static_cast<double>(bytes);
    state.counters["size_vs_libpng"] =
        static_cast<double>(bytes) / static_cast<double>(LibpngSize(path));
}

bool CheckFrame(benchmark::State& state, const Frame& frame) {
    if (frame.width > 0) return true;
    state.SkipWithError("corpus image could not be read");
    return false;
}

void BM_LibpngDefault(benchmark::State& state, std::string path) {
    const Frame& frame = LoadFrame(path);
    if (!CheckFrame(state, frame)) return;
    std::vector<uint8_t> out;
    for (auto _ : state) {
        out.clear();
        if (!EncodeWithLibpng(frame, out)) state.SkipWithError("libpng failed");
        benchmark::DoNotOptimize(out.data());
    }
    ReportPngSize(state, path, out.size());
}

void BM_Png(benchmark::State& state, std::string path, int threads) {
    const Frame& frame = LoadFrame(path);
    if (!CheckFrame(state, frame)) return;
    std::vector<uint8_t> out;
    for (auto _ : state) {
        out.clear();
        if (lg::EncodePng(View(frame), out, {threads}) != lg::EncodeStatus::kOk) {
            state.SkipWithError("EncodePng failed");
        }
        benchmark::DoNotOptimize(out.data());
    }
    ReportPngSize(state, path, out.size());
}

// One lever at a time, on one thread.
void BM_PngPlan(benchmark::State& state, std::string path, lg::png::IdatPlan plan) {
    const Frame& frame = LoadFrame(path);
    if (!CheckFrame(state, frame)) return;
    std::vector<uint8_t> out;
    for (auto _ : state) {
        out.clear();
        if (lg::png::EncodeWithPlan(View(frame), plan, out) != lg::EncodeStatus::kOk) {
            state.SkipWithError("EncodeWithPlan failed");
        }
        benchmark::DoNotOptimize(out.data());
    }
    ReportPngSize(state, path, out.size());
}

// libjpeg-turbo's own choices at quality 90: jpeg_set_defaults (4:2:0
// chroma, the standard Huffman tables) and nothing else, reading the same
// B, G, R, A words our encoder reads. Its error handler ends the process,
// which a benchmark may afford.
bool EncodeWithLibjpeg(const Frame& frame, std::vector<uint8_t>& out) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr err{};
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(frame.width);
    cinfo.image_height = static_cast<JDIMENSION>(frame.height);
    cinfo.input_components = 4;
    cinfo.in_color_space = JCS_EXT_BGRX;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 90, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = reinterpret_cast<JSAMPROW>(const_cast<uint32_t*>(
            frame.pixels.data() + static_cast<size_t>(cinfo.next_scanline) * frame.width));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    out.assign(buffer, buffer + size);
    std::free(buffer);
    return size > 0;
}

void BM_LibjpegQ90Default(benchmark::State& state, std::string path) {
    const Frame& frame = LoadFrame(path);
    if (!CheckFrame(state, frame)) return;
    std::vector<uint8_t> out;
    for (auto _ : state) {
        out.clear();
        if (!EncodeWithLibjpeg(frame, out)) state.SkipWithError("libjpeg failed");
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["bytes"] = static_cast<double>(out.size());
}

void BM_JpegQ90(benchmark::State& state, std::string path) {
    const Frame& frame = LoadFrame(path);
    if (!CheckFrame(state, frame)) return;
    std::vector<uint8_t> out;
    for (auto _ : state) {
        out.clear();
        if (lg::EncodeJpeg(View(frame), out) != lg::EncodeStatus::kOk) {
            state.SkipWithError("EncodeJpeg failed");
        }
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["bytes"] = static_cast<double>(out.size());
}

void BM_CopyFrame(benchmark::State& state, std::string path) {
    const Frame& frame = LoadFrame(path);
    if (!CheckFrame(state, frame)) return;
    std::vector<uint32_t> copy(frame.pixels.size());
    for (auto _ : state) {
        std::memcpy(copy.data(), frame.pixels.data(), frame.pixels.size() * sizeof(uint32_t));
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    state.counters["bytes"] = static_cast<double>(frame.pixels.size() * sizeof(uint32_t));
}

struct Lever {
    const char* name;
    lg::png::IdatPlan plan;
};

// The encoder's levers added one at a time, each on one thread.
std::vector<Lever> Levers() {
    using lg::png::FilterPolicy;
    const lg::png::IdatPlan chosen = lg::png::DefaultPlan();
    auto with = [&](FilterPolicy filter, lg::png::DeflateSettings screen,
                    lg::png::DeflateSettings photo) {
        lg::png::IdatPlan plan = chosen;
        plan.filter = filter;
        plan.screen = screen;
        plan.photo = photo;
        plan.threads = 1;
        return plan;
    };
    auto withoutCopyRuns = [](lg::png::IdatPlan plan) {
        plan.minCopyRun = 0;
        return plan;
    };
    const lg::png::DeflateSettings level6{6, Z_DEFAULT_STRATEGY};
    const lg::png::DeflateSettings level1{1, Z_DEFAULT_STRATEGY};
    return {
        // libpng's choices through our band pipeline: the pipeline's own cost.
        {"adaptive_l6", withoutCopyRuns(with(FilterPolicy::kAdaptive, level6, level6))},
        // The two corners the corpus notes describe.
        {"none_l6", withoutCopyRuns(with(FilterPolicy::kNone, level6, level6))},
        {"sub_l1", withoutCopyRuns(with(FilterPolicy::kSub, level1, level1))},
        // Lever 1: rows classified: None on UI and text, Up on copies of the
        // row above, the best-scoring filter on photos.
        {"rows_l6", withoutCopyRuns(with(FilterPolicy::kScreen, level6, level6))},
        // Lever 2: level 1 indexing every string on UI and text bands.
        {"rows_fast_screen", withoutCopyRuns(with(FilterPolicy::kScreen, chosen.screen, level6))},
        // Lever 3: run-length matching on photo bands.
        {"rows_fast_screen_rle_photo",
         withoutCopyRuns(with(FilterPolicy::kScreen, chosen.screen, chosen.photo))},
        // Lever 4: run-length matching on runs of copied rows: the chosen plan.
        {"rows_fast_screen_rle_photo_copies",
         with(FilterPolicy::kScreen, chosen.screen, chosen.photo)},
    };
}

// Registers every benchmark for every corpus picture, in a fixed order.
const bool kRegistered = [] {
    std::vector<std::string> paths;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(LUMIGRAB_CORPUS_DIR, ec)) {
        if (entry.path().extension() == ".png") paths.push_back(entry.path().string());
    }
    std::sort(paths.begin(), paths.end());
    for (const std::string& path : paths) {
        const std::string name = std::filesystem::path(path).stem().string();
        auto ms = [](benchmark::internal::Benchmark* b) {
            b->Unit(benchmark::kMillisecond)->UseRealTime();
        };
        ms(benchmark::RegisterBenchmark(("libpng_default/" + name).c_str(), BM_LibpngDefault,
                                        path));
        ms(benchmark::RegisterBenchmark(("png_1thread/" + name).c_str(), BM_Png, path, 1));
        ms(benchmark::RegisterBenchmark(("png_2threads/" + name).c_str(), BM_Png, path, 2));
        for (const Lever& lever : Levers()) {
            ms(benchmark::RegisterBenchmark(("png_lever/" + name + "/" + lever.name).c_str(),
                                            BM_PngPlan, path, lever.plan));
        }
        ms(benchmark::RegisterBenchmark(("libjpeg_q90_default/" + name).c_str(),
                                        BM_LibjpegQ90Default, path));
        ms(benchmark::RegisterBenchmark(("jpeg_q90/" + name).c_str(), BM_JpegQ90, path));
        ms(benchmark::RegisterBenchmark(("copy_frame/" + name).c_str(), BM_CopyFrame, path));
    }
    using lg::bench::AddComparison;
    AddComparison({"PNG, one thread, beside libpng's defaults", "png_1thread", "libpng_default"});
    AddComparison(
        {"PNG, two threads (the product's setting on this machine), beside libpng's "
         "defaults",
         "png_2threads", "libpng_default"});
    AddComparison({"JPEG q90 (4:4:4, optimised tables), beside libjpeg-turbo's defaults at q90",
                   "jpeg_q90", "libjpeg_q90_default"});
    return true;
}();

}  // namespace
