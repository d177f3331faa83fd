#include "output/png_deflater_p.h"

#include <algorithm>

namespace lg::png {
namespace {

constexpr int kWindowBits = -15;         // raw deflate, 32 KiB window
constexpr int kMemLevel = 8;             // zlib's default hash size
constexpr size_t kZlibPiece = 1u << 30;  // zlib counts in uInt; feed it in pieces
constexpr size_t kMinRoom = 16 * 1024;   // output room below which the buffer grows

}  // namespace

Deflater::~Deflater() {
    if (live_) deflateEnd(&z_);
}

bool Deflater::Begin(const DeflateSettings& settings, std::vector<uint8_t>& out) {
    out_ = &out;
    used_ = 0;
    level_ = settings.level;
    strategy_ = settings.strategy;
    if (!live_) {
        live_ = deflateInit2(&z_, settings.level, Z_DEFLATED, kWindowBits, kMemLevel,
                             settings.strategy) == Z_OK;
        if (!live_) return false;
    } else {
        if (deflateReset(&z_) != Z_OK) return false;
        // Some zlib versions flush before changing parameters even on a
        // fresh stream; give them valid room (they write nothing there).
        const size_t room = PrepareOutput();
        const int ret = deflateParams(&z_, settings.level, settings.strategy);
        used_ += room - z_.avail_out;
        if (ret != Z_OK) return false;
    }
    if (settings.maxChain > 0) {
        return deflateTune(&z_, settings.goodLength, settings.maxLazy, settings.niceLength,
                           settings.maxChain) == Z_OK;
    }
    return true;
}

bool Deflater::Prime(std::span<const uint8_t> history) {
    return deflateSetDictionary(&z_, history.data(), static_cast<uInt>(history.size())) == Z_OK;
}

bool Deflater::Deflate(std::span<const uint8_t> in, int flush) {
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

bool Deflater::SetStrategy(int strategy) {
    if (strategy == strategy_) return true;
    // deflateParams flushes by itself, but only as far as the output room it
    // is given; flushing first leaves it nothing to write.
    if (!Deflate({}, Z_BLOCK)) return false;
    const size_t room = PrepareOutput();
    const int ret = deflateParams(&z_, level_, strategy);
    used_ += room - z_.avail_out;
    strategy_ = strategy;
    return ret == Z_OK;
}

// Points zlib at the free room in the output, growing it when little is left.
size_t Deflater::PrepareOutput() {
    if (out_->size() - used_ < kMinRoom) {
        out_->resize(std::max(2 * out_->size(), used_ + 4 * kMinRoom));
    }
    const size_t room = std::min(out_->size() - used_, kZlibPiece);
    z_.next_out = out_->data() + used_;
    z_.avail_out = static_cast<uInt>(room);
    return room;
}

}  // namespace lg::png
