// Run-length coding of the XOR of two pixel sequences, the building block of
// compact undo snapshots.
//
// Between two snapshots of a capture most pixels are equal, so their XOR is
// mostly zero; where a figure was drawn over a flat background the XOR is
// one value repeated. The stream is a list of tokens, each a little-endian
// base-128 header (count << 2 | kind) followed by its pixels:
//   kind 0  skip     count pixels are equal (XOR 0); no payload
//   kind 1  repeat   count pixels differ by the same XOR value; 4 bytes
//   kind 2  literal  count pixels with their own XOR values; 4 bytes each
// Pixels are 32-bit words in the machine's byte order: the stream never
// leaves the process that wrote it.
//
// XOR makes one stream serve both directions: applying it to the older
// picture gives the newer, applying it again gives the older back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "raster/color32.h"

namespace lg {

// Appends tokens to a byte vector. Runs may continue across Push calls, so a
// rectangle is coded row by row as one sequence.
class PixelXorRleEncoder {
public:
    explicit PixelXorRleEncoder(std::vector<std::uint8_t>& out) : out_(out) {}

    // Codes older[i] ^ newer[i] for every i; both spans have the same length.
    void Push(std::span<const TColor32> older, std::span<const TColor32> newer);
    // Writes the pending run. Call once at the end of a sequence; the encoder
    // can then start the next one.
    void Finish();

private:
    enum class Kind : std::uint8_t { kNone, kSkip, kRepeat, kLiteral };

    void AddSkip(std::uint32_t count);
    void AddValue(TColor32 v);
    void WriteHeader(std::uint32_t count, std::uint32_t kind);
    void WriteWord(TColor32 v);

    std::vector<std::uint8_t>& out_;
    Kind kind_ = Kind::kNone;
    std::uint32_t count_ = 0;
    TColor32 value_ = 0;             // the repeated value, or the last literal
    std::vector<TColor32> literal_;  // pending literal pixels
};

// A block of pixel rows to XOR a stream into: `width` pixels per row, `rows`
// rows, row starts `stride` pixels apart.
struct PixelBlock {
    TColor32* first = nullptr;
    std::size_t stride = 0;
    int width = 0;
    int rows = 0;
};

// XORs the stream into the block, row by row. False, with the block possibly
// half changed, when the stream is malformed or does not cover exactly
// width x rows pixels.
bool ApplyPixelXorRle(std::span<const std::uint8_t> stream, const PixelBlock& block);

}  // namespace lg
