// One raw deflate stream over zlib, reused from band to band.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include <zlib.h>

namespace lg::png {

struct DeflateSettings {
    int level;
    int strategy;  // Z_DEFAULT_STRATEGY, Z_FILTERED, Z_RLE, ...
    // deflateTune's knobs; all zero keeps the level's own table.
    int goodLength = 0;
    int maxLazy = 0;
    int niceLength = 0;
    int maxChain = 0;
};

// Writes a raw deflate stream (no zlib header or check) into an output
// buffer that it grows as needed. Failures come back as false.
class Deflater {
public:
    Deflater() = default;
    Deflater(const Deflater&) = delete;
    Deflater& operator=(const Deflater&) = delete;
    ~Deflater();

    // Starts a fresh stream with `settings`, writing to `out` from its start
    // (its old contents are scratch).
    bool Begin(const DeflateSettings& settings, std::vector<uint8_t>& out);

    // Lets the stream refer back to `history` as if it had just been
    // compressed. Only right after Begin.
    bool Prime(std::span<const uint8_t> history);

    // Deflates all of `in`, with `flush` (Z_NO_FLUSH, Z_BLOCK, Z_SYNC_FLUSH
    // or Z_FINISH) applied after its last byte.
    bool Deflate(std::span<const uint8_t> in, int flush);

    // Ends the current block and goes on at the same level with `strategy`.
    bool SetStrategy(int strategy);

    // Bytes written to the output so far.
    size_t Produced() const { return used_; }

private:
    size_t PrepareOutput();

    z_stream z_{};
    bool live_ = false;
    std::vector<uint8_t>* out_ = nullptr;
    size_t used_ = 0;
    int level_ = 0;
    int strategy_ = 0;
};

}  // namespace lg::png
