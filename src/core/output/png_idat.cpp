#include "output/png_idat_p.h"

#include "output/adler32_p.h"
#include "output/png_deflater_p.h"

#include <algorithm>
#include <atomic>
#include <new>
#include <thread>
#include <vector>

namespace lg::png {
namespace {

constexpr size_t kWindowBytes = 32 * 1024;  // deflate's look-back distance

struct Band {
    int firstRow = 0;
    int endRow = 0;
};

struct BandResult {
    std::vector<uint8_t> deflated;
    uint32_t adler = 1;
    size_t rawBytes = 0;
};

// A worker's buffers and compressor, reused from band to band.
struct Scratch {
    Deflater deflater;
    std::vector<uint8_t> filtered;
    std::vector<RowKind> kinds;
    std::vector<uint8_t> packed;  // grows to the largest band; only the used part is copied out
};

// Rows of one kind of matching: [firstRow, endRow) of the band, run-length
// or the band's own settings.
struct Segment {
    size_t firstRow;
    size_t endRow;
    bool runLength;
};

// Runs of at least `minCopyRun` copied rows (all zeros after Up) are cheapest
// as run-length matches; shorter ones stay with their neighbours, because
// each change of strategy closes a deflate block and starts new code tables.
std::vector<Segment> CutSegments(const std::vector<RowKind>& kinds, int minCopyRun) {
    std::vector<Segment> segments;
    const size_t rows = kinds.size();
    size_t start = 0;
    for (size_t row = 0; row < rows;) {
        size_t end = row;
        while (end < rows && kinds[end] == RowKind::kCopy) ++end;
        if (minCopyRun > 0 && end - row >= static_cast<size_t>(minCopyRun)) {
            if (start < row) segments.push_back({start, row, false});
            segments.push_back({row, end, true});
            start = end;
        }
        row = std::max(end, row + 1);
    }
    if (start < rows) segments.push_back({start, rows, false});
    return segments;
}

// Filters and deflates one band.
EncodeStatus CompressBand(const ImageView32& image, const IdatPlan& plan, const Band& band,
                          bool last, Scratch& scratch, BandResult& result) {
    RowFilterer filterer(plan.filter, image.width);
    const size_t rowBytes = filterer.RowBytes();
    const int contextRows =
        static_cast<int>(std::min<size_t>(band.firstRow, (kWindowBytes + rowBytes - 1) / rowBytes));
    const int startRow = band.firstRow - contextRows;
    const size_t contextBytes = static_cast<size_t>(contextRows) * rowBytes;
    const size_t bandRows = static_cast<size_t>(band.endRow - band.firstRow);
    const size_t bandBytes = bandRows * rowBytes;
    scratch.filtered.resize(contextBytes + bandBytes);
    scratch.kinds.clear();

    int photoRows = 0;
    uint8_t* at = scratch.filtered.data();
    for (int y = startRow; y < band.endRow; ++y, at += rowBytes) {
        const uint32_t* above = y > 0 ? image.Row(y - 1) : nullptr;
        const RowKind kind = filterer.Filter(image.Row(y), above, {at, rowBytes});
        if (y < band.firstRow) continue;
        scratch.kinds.push_back(kind);
        if (kind == RowKind::kPhoto) ++photoRows;
    }

    const std::span<const uint8_t> data(scratch.filtered.data() + contextBytes, bandBytes);
    result.rawBytes = bandBytes;
    result.adler = Adler32(1, data);

    const bool photoBand = plan.filter == FilterPolicy::kScreen &&
                           static_cast<int64_t>(photoRows) * 100 >=
                               static_cast<int64_t>(bandRows) * plan.photoBandPercent;
    const DeflateSettings& settings = photoBand ? plan.photo : plan.screen;
    Deflater& deflater = scratch.deflater;
    if (!deflater.Begin(settings, scratch.packed)) return EncodeStatus::kCodecFailure;
    const size_t primeBytes = std::min(contextBytes, kWindowBytes);
    if (primeBytes > 0 && !deflater.Prime({data.data() - primeBytes, primeBytes})) {
        return EncodeStatus::kCodecFailure;
    }
    const std::vector<Segment> segments = CutSegments(scratch.kinds, plan.minCopyRun);
    for (const Segment& segment : segments) {
        const bool lastSegment = &segment == &segments.back();
        const int flush = !lastSegment ? Z_NO_FLUSH : last ? Z_FINISH : Z_SYNC_FLUSH;
        if (!deflater.SetStrategy(segment.runLength ? Z_RLE : settings.strategy) ||
            !deflater.Deflate(data.subspan(segment.firstRow * rowBytes,
                                           (segment.endRow - segment.firstRow) * rowBytes),
                              flush)) {
            return EncodeStatus::kCodecFailure;
        }
    }
    result.deflated.assign(
        scratch.packed.begin(),
        scratch.packed.begin() + static_cast<std::ptrdiff_t>(deflater.Produced()));
    return EncodeStatus::kOk;
}

// The shared band counter. After the first failure the remaining bands are
// left undone and that failure is what the encoder reports.
struct Queue {
    std::atomic<size_t> next{0};
    std::atomic<bool> failed{false};
    std::atomic<EncodeStatus> failure{EncodeStatus::kOk};

    void Fail(EncodeStatus status) {
        EncodeStatus none = EncodeStatus::kOk;
        failure.compare_exchange_strong(none, status);
        failed = true;
    }
};

// Takes bands off the queue until none are left. Nothing escapes a worker.
void Work(const ImageView32& image, const IdatPlan& plan, const std::vector<Band>& bands,
          std::vector<BandResult>& results, Queue& queue) {
    Scratch scratch;
    for (size_t i = queue.next++; i < bands.size() && !queue.failed; i = queue.next++) {
        EncodeStatus status = EncodeStatus::kCodecFailure;
        try {
            status =
                CompressBand(image, plan, bands[i], i + 1 == bands.size(), scratch, results[i]);
        } catch (const std::bad_alloc&) {
            status = EncodeStatus::kOutOfMemory;
        } catch (...) {
            status = EncodeStatus::kCodecFailure;
        }
        if (status != EncodeStatus::kOk) queue.Fail(status);
    }
}

std::vector<Band> CutBands(const ImageView32& image, size_t bandBytes) {
    const size_t rowBytes = 1 + static_cast<size_t>(image.width) * kBytesPerPixel;
    const int rowsPerBand = static_cast<int>(
        std::clamp<size_t>(bandBytes / rowBytes, 1, static_cast<size_t>(image.height)));
    std::vector<Band> bands;
    for (int y = 0; y < image.height; y += rowsPerBand) {
        bands.push_back({y, y + std::min(rowsPerBand, image.height - y)});
    }
    return bands;
}

// More threads than this would only add start-up cost: an 8K capture has
// about two hundred bands.
constexpr int kMaxThreads = 64;

int ThreadCount(int requested, size_t bands) {
    int n = requested > 0 ? requested : static_cast<int>(std::thread::hardware_concurrency());
    n = std::clamp(n, 1, kMaxThreads);
    return static_cast<int>(std::min(static_cast<size_t>(n), bands));
}

}  // namespace

EncodeStatus WriteImageData(const ImageView32& image, const IdatPlan& plan, IdatWriter& idat) {
    const std::vector<Band> bands = CutBands(image, plan.bandBytes);
    std::vector<BandResult> results(bands.size());
    Queue queue;
    {
        // Helpers that cannot be started are simply not there: the calling
        // thread works through whatever bands are left.
        std::vector<std::jthread> helpers;
        const int threads = ThreadCount(plan.threads, bands.size());
        try {
            helpers.reserve(static_cast<size_t>(threads - 1));
            for (int t = 1; t < threads; ++t) {
                helpers.emplace_back([&] { Work(image, plan, bands, results, queue); });
            }
        } catch (...) {
        }
        Work(image, plan, bands, results, queue);
    }

    if (queue.failed) return queue.failure;
    uint32_t adler = 1;
    for (const BandResult& r : results) {
        adler = static_cast<uint32_t>(
            adler32_combine(adler, r.adler, static_cast<z_off_t>(r.rawBytes)));
    }
    // CMF: deflate with a 32 KiB window; FLG: default level, no dictionary,
    // check bits making the pair a multiple of 31.
    static constexpr uint8_t kZlibHeader[2] = {0x78, 0x9C};
    idat.Append(kZlibHeader);
    for (const BandResult& r : results) idat.Append(r.deflated);
    std::vector<uint8_t> trailer;
    AppendBigEndian32(trailer, adler);
    idat.Append(trailer);
    idat.Finish();
    return EncodeStatus::kOk;
}

}  // namespace lg::png
