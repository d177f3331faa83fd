// PNG file framing: signature, chunks with their CRCs, and IDAT splitting.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace lg::png {

inline constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

// IDAT payload size. Decoders take any split; 64 KiB keeps the 12 bytes of
// framing per chunk negligible while letting a streaming reader work in
// modest buffers.
inline constexpr size_t kIdatPayloadBytes = 64 * 1024;

// Appends one whole chunk: length, type, data and CRC over type and data.
void AppendChunk(std::vector<uint8_t>& out, const char (&type)[5], std::span<const uint8_t> data);

// The IHDR of an 8-bit RGB, non-interlaced picture.
void AppendRgbHeader(std::vector<uint8_t>& out, uint32_t width, uint32_t height);

// Streams compressed bytes into IDAT chunks of kIdatPayloadBytes (the last
// one shorter), writing straight into `out` and patching length and CRC as
// each chunk closes.
class IdatWriter {
public:
    explicit IdatWriter(std::vector<uint8_t>& out) : out_(out) {}
    void Append(std::span<const uint8_t> bytes);
    // Closes the open chunk, if any. Appending afterwards opens a new one.
    void Finish();

private:
    std::vector<uint8_t>& out_;
    size_t chunkStart_ = 0;  // offset of the open chunk's length field
    size_t payload_ = 0;     // bytes in the open chunk
    bool open_ = false;
};

// Writes a 32-bit value big-endian, as every PNG field is.
inline void AppendBigEndian32(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v >> 24));
    out.push_back(static_cast<uint8_t>(v >> 16));
    out.push_back(static_cast<uint8_t>(v >> 8));
    out.push_back(static_cast<uint8_t>(v));
}

}  // namespace lg::png
