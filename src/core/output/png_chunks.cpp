#include "output/png_chunks_p.h"

#include <algorithm>

#include <zlib.h>

namespace lg::png {
namespace {

uint32_t Crc(uint32_t crc, const uint8_t* data, size_t size) {
    // zlib takes a uInt length; feed it in pieces so a 64-bit size_t never
    // gets truncated.
    while (size > 0) {
        uInt piece = static_cast<uInt>(std::min<size_t>(size, 1u << 30));
        crc = static_cast<uint32_t>(crc32(crc, data, piece));
        data += piece;
        size -= piece;
    }
    return crc;
}

void PatchBigEndian32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
    out[at] = static_cast<uint8_t>(v >> 24);
    out[at + 1] = static_cast<uint8_t>(v >> 16);
    out[at + 2] = static_cast<uint8_t>(v >> 8);
    out[at + 3] = static_cast<uint8_t>(v);
}

}  // namespace

void AppendChunk(std::vector<uint8_t>& out, const char (&type)[5], std::span<const uint8_t> data) {
    AppendBigEndian32(out, static_cast<uint32_t>(data.size()));
    const size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    AppendBigEndian32(out, Crc(0, out.data() + typeAt, out.size() - typeAt));
}

void AppendRgbHeader(std::vector<uint8_t>& out, uint32_t width, uint32_t height) {
    std::vector<uint8_t> ihdr;
    AppendBigEndian32(ihdr, width);
    AppendBigEndian32(ihdr, height);
    ihdr.push_back(8);  // bit depth
    ihdr.push_back(2);  // colour type: RGB
    ihdr.push_back(0);  // compression: deflate
    ihdr.push_back(0);  // filter method: adaptive, five filters
    ihdr.push_back(0);  // no interlace
    AppendChunk(out, "IHDR", ihdr);
}

void IdatWriter::Append(std::span<const uint8_t> bytes) {
    while (!bytes.empty()) {
        if (!open_) {
            chunkStart_ = out_.size();
            static constexpr uint8_t kOpen[8] = {0, 0, 0, 0, 'I', 'D', 'A', 'T'};
            out_.insert(out_.end(), kOpen, kOpen + 8);
            payload_ = 0;
            open_ = true;
        }
        size_t take = std::min(bytes.size(), kIdatPayloadBytes - payload_);
        out_.insert(out_.end(), bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(take));
        payload_ += take;
        bytes = bytes.subspan(take);
        if (payload_ == kIdatPayloadBytes) Finish();
    }
}

void IdatWriter::Finish() {
    if (!open_) return;
    PatchBigEndian32(out_, chunkStart_, static_cast<uint32_t>(payload_));
    const size_t typeAt = chunkStart_ + 4;
    AppendBigEndian32(out_, Crc(0, out_.data() + typeAt, out_.size() - typeAt));
    open_ = false;
}

}  // namespace lg::png
