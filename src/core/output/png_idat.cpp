#include "output/png_idat_p.h"

#include "output/adler32_p.h"

#include <algorithm>
#include <atomic>
#include <new>
#include <thread>
#include <vector>

namespace lg::png {
namespace {

constexpr size_t kWindowBytes = 32 * 1024;  // deflate's look-back distance
constexpr int kWindowBits = -15;            // raw deflate, 32 KiB window
constexpr int kMemLevel = 8;                // zlib's default hash size
constexpr size_t kZlibPiece = 1u << 30;     // zlib counts in uInt; feed it in pieces

struct Band {
    int firstRow = 0;
    int endRow = 0;
};

struct BandResult {
    std::vector<uint8_t> deflated;
    uint32_t adler = 1;
    size_t rawBytes = 0;
};

// A raw deflate stream that a worker reuses from band to band, writing into
// the worker's output buffer.
class Deflater {
public:
    Deflater() = default;
    Deflater(const Deflater&) = delete;
    Deflater& operator=(const Deflater&) = delete;
    ~Deflater() {
        if (live_) deflateEnd(&z_);
    }

    // Starts a fresh stream with `s`, writing to `out` from its start (its
    // old contents are scratch; it grows as needed).
    bool Begin(const DeflateSettings& s, std::vector<uint8_t>& out) {
        out_ = &out;
        used_ = 0;
        level_ = s.level;
        strategy_ = s.strategy;
        if (!live_) {
            live_ =
                deflateInit2(&z_, s.level, Z_DEFLATED, kWindowBits, kMemLevel, s.strategy) == Z_OK;
            if (!live_) return false;
        } else if (deflateReset(&z_) != Z_OK || deflateParams(&z_, s.level, s.strategy) != Z_OK) {
            return false;
        }
        if (s.maxChain > 0) {
            return deflateTune(&z_, s.goodLength, s.maxLazy, s.niceLength, s.maxChain) == Z_OK;
        }
        return true;
    }

    bool Prime(std::span<const uint8_t> dictionary) {
        return deflateSetDictionary(&z_, dictionary.data(), static_cast<uInt>(dictionary.size())) ==
               Z_OK;
    }

    // Deflates all of `in` with `flush` (Z_NO_FLUSH, Z_BLOCK, Z_SYNC_FLUSH or
    // Z_FINISH) applied after its last byte.
    bool Deflate(std::span<const uint8_t> in, int flush) {
        do {
            const size_t piece = std::min(in.size(), kZlibPiece);
            const bool lastPiece = piece == in.size();
            z_.next_in = const_cast<Bytef*>(in.data());
            z_.avail_in = static_cast<uInt>(piece);
            int ret = Z_OK;
            do {
                const size_t room = PrepareOutput();
                ret = deflate(&z_, lastPiece ? flush : Z_NO_FLUSH);
                used_ += room - z_.avail_out;
                // Z_BUF_ERROR only says there was nothing left to do.
                if (ret == Z_STREAM_ERROR) return false;
            } while (z_.avail_out == 0 || z_.avail_in > 0);
            in = in.subspan(piece);
            if (lastPiece && flush == Z_FINISH && ret != Z_STREAM_END) return false;
        } while (!in.empty());
        return true;
    }

    // Ends the current block and goes on at the same level with `strategy`.
    bool SetStrategy(int strategy) {
        if (strategy == strategy_) return true;
        // deflateParams flushes by itself, but only as far as the output
        // room it is given; flushing first leaves it nothing to write.
        if (!Deflate({}, Z_BLOCK)) return false;
        const size_t room = PrepareOutput();
        const int ret = deflateParams(&z_, level_, strategy);
        used_ += room - z_.avail_out;
        strategy_ = strategy;
        return ret == Z_OK;
    }

    size_t Produced() const { return used_; }

private:
    // Points zlib at free room in the output, growing it when little is left.
    size_t PrepareOutput() {
        constexpr size_t kMinRoom = 16 * 1024;
        if (out_->size() - used_ < kMinRoom)
            out_->resize(std::max(2 * out_->size(), used_ + 4 * kMinRoom));
        const size_t room = std::min(out_->size() - used_, kZlibPiece);
        z_.next_out = out_->data() + used_;
        z_.avail_out = static_cast<uInt>(room);
        return room;
    }

    z_stream z_{};
    bool live_ = false;
    std::vector<uint8_t>* out_ = nullptr;
    size_t used_ = 0;
    int level_ = 0;
    int strategy_ = 0;
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

// A sanity bound on requested threads; a capture is at most a few dozen
// bands wide per thread anyway.
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
        for (int t = 1; t < threads; ++t) {
            try {
                helpers.emplace_back([&] { Work(image, plan, bands, results, queue); });
            } catch (...) {
                break;
            }
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
