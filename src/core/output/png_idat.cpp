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

// A raw deflate stream that a worker reuses from band to band.
class Deflater {
public:
    Deflater() = default;
    Deflater(const Deflater&) = delete;
    Deflater& operator=(const Deflater&) = delete;
    ~Deflater() {
        if (live_) deflateEnd(&z_);
    }

    // Starts a fresh stream with `s`.
    bool Begin(const DeflateSettings& s) {
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

    bool Prime(const uint8_t* dictionary, size_t size) {
        return deflateSetDictionary(&z_, dictionary, static_cast<uInt>(size)) == Z_OK;
    }

    // Deflates all of `in` into `out` from its start, growing it as needed
    // (its old contents are scratch); `last` finishes the stream, otherwise
    // it ends on a byte boundary. Returns the bytes produced, 0 on failure.
    size_t Run(std::span<const uint8_t> in, bool last, std::vector<uint8_t>& out) {
        // A sync flush adds a few bytes beyond deflateBound's figure.
        const size_t bound = deflateBound(&z_, static_cast<uLong>(std::min(in.size(), kZlibPiece)));
        if (out.size() < bound + 64) out.resize(bound + 64);
        size_t used = 0;
        for (;;) {
            const size_t piece = std::min(in.size(), kZlibPiece);
            const bool lastPiece = piece == in.size();
            z_.next_in = const_cast<Bytef*>(in.data());
            z_.avail_in = static_cast<uInt>(piece);
            const int flush = !lastPiece ? Z_NO_FLUSH : last ? Z_FINISH : Z_SYNC_FLUSH;
            int ret = Z_OK;
            do {
                if (out.size() - used < 64) out.resize(out.size() * 2);
                const size_t room = std::min(out.size() - used, kZlibPiece);
                z_.next_out = out.data() + used;
                z_.avail_out = static_cast<uInt>(room);
                ret = deflate(&z_, flush);
                used += room - z_.avail_out;
                if (ret == Z_STREAM_ERROR) return 0;
            } while (z_.avail_out == 0 || z_.avail_in > 0);
            in = in.subspan(piece);
            if (lastPiece) return (!last || ret == Z_STREAM_END) ? used : 0;
        }
    }

private:
    z_stream z_{};
    bool live_ = false;
};

// A worker's buffers and compressor, reused from band to band.
struct Scratch {
    Deflater deflater;
    std::vector<uint8_t> filtered;
    std::vector<uint8_t> packed;  // sized for the worst case; only the used part is copied out
};

// Filters and deflates one band.
EncodeStatus CompressBand(const ImageView32& image, const IdatPlan& plan, const Band& band,
                          bool last, Scratch& scratch, BandResult& result) {
    RowFilterer filterer(plan.filter, image.width);
    const size_t rowBytes = filterer.RowBytes();
    const int contextRows =
        static_cast<int>(std::min<size_t>(band.firstRow, (kWindowBytes + rowBytes - 1) / rowBytes));
    const int startRow = band.firstRow - contextRows;
    const size_t contextBytes = static_cast<size_t>(contextRows) * rowBytes;
    const size_t bandBytes = static_cast<size_t>(band.endRow - band.firstRow) * rowBytes;
    scratch.filtered.resize(contextBytes + bandBytes);

    int photoRows = 0;
    uint8_t* at = scratch.filtered.data();
    for (int y = startRow; y < band.endRow; ++y, at += rowBytes) {
        const uint32_t* above = y > 0 ? image.Row(y - 1) : nullptr;
        bool photo = filterer.Filter(image.Row(y), above, {at, rowBytes});
        if (y >= band.firstRow && photo) ++photoRows;
    }

    const uint8_t* data = scratch.filtered.data() + contextBytes;
    result.rawBytes = bandBytes;
    result.adler = Adler32(1, {data, bandBytes});

    const bool photoBand =
        plan.filter == FilterPolicy::kScreen &&
        static_cast<int64_t>(photoRows) * 100 >=
            static_cast<int64_t>(band.endRow - band.firstRow) * plan.photoBandPercent;
    Deflater& deflater = scratch.deflater;
    if (!deflater.Begin(photoBand ? plan.photo : plan.screen)) return EncodeStatus::kCodecFailure;
    const size_t primeBytes = std::min(contextBytes, kWindowBytes);
    if (primeBytes > 0 && !deflater.Prime(data - primeBytes, primeBytes)) {
        return EncodeStatus::kCodecFailure;
    }
    const size_t packed = deflater.Run({data, bandBytes}, last, scratch.packed);
    if (packed == 0) return EncodeStatus::kCodecFailure;
    result.deflated.assign(scratch.packed.begin(),
                           scratch.packed.begin() + static_cast<std::ptrdiff_t>(packed));
    return EncodeStatus::kOk;
}

// Takes bands off the shared counter until none are left. Nothing escapes:
// a failed allocation marks the band and the other workers carry on.
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

int ThreadCount(int requested, size_t bands) {
    int n = requested > 0 ? requested : static_cast<int>(std::thread::hardware_concurrency());
    return static_cast<int>(std::clamp<size_t>(static_cast<size_t>(std::max(n, 1)), 1, bands));
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
