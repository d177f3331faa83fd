#include "capture/snapshot_codec.h"

#include <zlib.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <new>
#include <optional>
#include <span>

#include "capture/pixel_rle.h"

namespace lg {
namespace {

// Level 1: screen differences are mostly runs already coded by the RLE;
// higher levels cost several times the time for a few percent.
constexpr int kDeflateLevel = Z_BEST_SPEED;
constexpr std::size_t kOutChunk = 64 * 1024;

// Bound of a band's run-length stream, to refuse a corrupt length before
// taking memory for it. The costliest pixel is a one-pixel token: a header
// of at most 5 bytes plus 4 bytes of value, so 9 bytes a pixel never fall
// short.
std::size_t MaxBandStream(std::size_t pixels) {
    return pixels * 9 + 16;
}

int BandRows(int width) {
    return std::max(1, kBandPixels / std::max(1, width));
}

// Collects the packed bytes, either as they come or through deflate.
class PackWriter {
public:
    PackWriter(DeltaPacking packing, std::vector<std::uint8_t>& out) : out_(out) {
        if (packing == DeltaPacking::kRleDeflate) {
            z_.emplace();
            if (deflateInit(&*z_, kDeflateLevel) != Z_OK) {
                z_.reset();
                throw std::bad_alloc();
            }
        }
    }
    ~PackWriter() {
        if (z_) deflateEnd(&*z_);
    }
    PackWriter(const PackWriter&) = delete;
    PackWriter& operator=(const PackWriter&) = delete;

    void Write(std::span<const std::uint8_t> data) {
        if (!z_) {
            out_.insert(out_.end(), data.begin(), data.end());
            return;
        }
        while (!data.empty()) {
            const std::size_t part = std::min<std::size_t>(data.size(), UINT_MAX);
            z_->next_in = const_cast<Bytef*>(data.data());
            z_->avail_in = static_cast<uInt>(part);
            Deflate(Z_NO_FLUSH);
            data = data.subspan(part);
        }
    }

    void Finish() {
        if (z_) {
            z_->next_in = nullptr;
            z_->avail_in = 0;
            Deflate(Z_FINISH);
            out_.resize(used_);
        }
        // The store keeps these bytes for the rest of the capture.
        out_.shrink_to_fit();
    }

private:
    void Deflate(int flush) {
        for (;;) {
            if (out_.size() - used_ < kOutChunk)
                out_.resize(used_ + std::max(kOutChunk, used_ / 2));
            z_->next_out = out_.data() + used_;
            z_->avail_out = static_cast<uInt>(std::min<std::size_t>(out_.size() - used_, UINT_MAX));
            const uInt before = z_->avail_out;
            const int rc = deflate(&*z_, flush);
            used_ += before - z_->avail_out;
            if (rc == Z_STREAM_ERROR) throw std::bad_alloc();  // cannot happen with a sound stream
            if (flush == Z_FINISH) {
                if (rc == Z_STREAM_END) return;
            } else if (z_->avail_in == 0 && z_->avail_out != 0) {
                return;
            }
        }
    }

    std::vector<std::uint8_t>& out_;
    std::optional<z_stream> z_;
    std::size_t used_ = 0;
};

// Hands the packed bytes back in the order they were written.
class PackReader {
public:
    explicit PackReader(const PackedXor& packed) : in_(packed.bytes) {
        if (packed.packing == DeltaPacking::kRleDeflate) {
            z_.emplace();
            z_->next_in = Z_NULL;
            z_->avail_in = 0;
            if (inflateInit(&*z_) != Z_OK) {
                z_.reset();
                throw std::bad_alloc();
            }
        }
    }
    ~PackReader() {
        if (z_) inflateEnd(&*z_);
    }
    PackReader(const PackReader&) = delete;
    PackReader& operator=(const PackReader&) = delete;

    // Exactly n bytes, or false when the data ends or is corrupt.
    bool Read(std::uint8_t* dst, std::size_t n) {
        if (!z_) {
            if (in_.size() - at_ < n) return false;
            std::memcpy(dst, in_.data() + at_, n);
            at_ += n;
            return true;
        }
        while (n > 0) {
            if (z_->avail_in == 0 && at_ < in_.size()) {
                const std::size_t part = std::min<std::size_t>(in_.size() - at_, UINT_MAX);
                z_->next_in = const_cast<Bytef*>(in_.data() + at_);
                z_->avail_in = static_cast<uInt>(part);
                at_ += part;
            }
            const std::size_t want = std::min<std::size_t>(n, UINT_MAX);
            z_->next_out = dst;
            z_->avail_out = static_cast<uInt>(want);
            const int rc = inflate(&*z_, Z_NO_FLUSH);
            const std::size_t got = want - z_->avail_out;
            dst += got;
            n -= got;
            // zlib takes its 32 KB window on the first output, which is the
            // first band's length: still before any pixel changes.
            if (rc == Z_MEM_ERROR) throw std::bad_alloc();
            if (n == 0) return true;
            if (rc != Z_OK) return false;  // ended early, corrupt, or stuck
        }
        return true;
    }

private:
    std::span<const std::uint8_t> in_;
    std::size_t at_ = 0;
    std::optional<z_stream> z_;
};

bool RectInside(const TRect& r, const TBitmap32& b) {
    return r.Left >= 0 && r.Top >= 0 && r.Right <= b.Width() && r.Bottom <= b.Height();
}

}  // namespace

PackedXor PackXor(const TBitmap32* older, const TBitmap32& newer, const TRect& rect,
                  DeltaPacking packing) {
    PackedXor packed;
    packed.packing = packing;
    if (rect.IsEmpty() || !RectInside(rect, newer) || (older && !RectInside(rect, *older))) {
        return packed;
    }
    packed.rect = rect;
    const auto width = static_cast<std::size_t>(rect.Width());
    const std::vector<TColor32> zeros(older ? 0 : width);
    const int bandRows = BandRows(rect.Width());

    std::vector<std::uint8_t> band;
    band.reserve(MaxBandStream(width * static_cast<std::size_t>(bandRows)) / 2);
    PixelXorRleEncoder rle(band);
    PackWriter writer(packing, packed.bytes);
    for (int y0 = rect.Top; y0 < rect.Bottom; y0 += bandRows) {
        band.assign(sizeof(std::uint32_t), 0);  // room for the length
        const int y1 = std::min(rect.Bottom, y0 + bandRows);
        for (int y = y0; y < y1; ++y) {
            const std::span<const TColor32> now(newer.PixelPtr(rect.Left, y), width);
            rle.Push(older ? std::span<const TColor32>(older->PixelPtr(rect.Left, y), width)
                           : std::span<const TColor32>(zeros),
                     now);
        }
        rle.Finish();
        const auto length = static_cast<std::uint32_t>(band.size() - sizeof(std::uint32_t));
        std::memcpy(band.data(), &length, sizeof length);
        writer.Write(band);
    }
    writer.Finish();
    return packed;
}

bool ApplyXor(const PackedXor& packed, TBitmap32& target) {
    const TRect& rect = packed.rect;
    if (rect.IsEmpty()) return true;
    if (!RectInside(rect, target)) return false;
    const auto width = static_cast<std::size_t>(rect.Width());
    const int bandRows = BandRows(rect.Width());
    const std::size_t maxStream = MaxBandStream(width * static_cast<std::size_t>(bandRows));

    PackReader reader(packed);
    std::vector<std::uint8_t> band;
    band.reserve(maxStream);
    for (int y0 = rect.Top; y0 < rect.Bottom; y0 += bandRows) {
        std::uint32_t length = 0;
        if (!reader.Read(reinterpret_cast<std::uint8_t*>(&length), sizeof length)) return false;
        if (length > maxStream) return false;
        band.resize(length);  // within the reserved capacity: no allocation
        if (!reader.Read(band.data(), length)) return false;
        const PixelBlock block{target.PixelPtr(rect.Left, y0),
                               static_cast<std::size_t>(target.Width()), rect.Width(),
                               std::min(rect.Bottom, y0 + bandRows) - y0};
        if (!ApplyPixelXorRle(band, block)) return false;
    }
    return true;
}

}  // namespace lg
