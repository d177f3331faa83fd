#include "sound/wav_file.h"

#include <cstring>

namespace lg {
namespace {

std::uint32_t U32(const std::uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t{p[3]} << 24);
}
std::uint16_t U16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

}  // namespace

std::optional<WavPcm> ParseWav(std::span<const std::uint8_t> file) {
    if (file.size() < 12 || std::memcmp(file.data(), "RIFF", 4) != 0 ||
        std::memcmp(file.data() + 8, "WAVE", 4) != 0) {
        return std::nullopt;
    }
    WavPcm wav;
    bool haveFormat = false;
    std::size_t at = 12;
    while (at + 8 <= file.size()) {
        const std::uint8_t* chunk = file.data() + at;
        const std::uint32_t size = U32(chunk + 4);
        const std::size_t body = at + 8;
        const std::size_t available = file.size() - body;
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            if (size < 16 || available < 16) return std::nullopt;
            const std::uint8_t* f = file.data() + body;
            if (U16(f) != 1) return std::nullopt;  // PCM only
            wav.channels = U16(f + 2);
            wav.sampleRate = U32(f + 4);
            wav.bytesPerSecond = U32(f + 8);
            wav.blockAlign = U16(f + 12);
            wav.bitsPerSample = U16(f + 14);
            if (wav.channels < 1 || wav.channels > 2 || wav.sampleRate < 1000 ||
                wav.sampleRate > 192000 || (wav.bitsPerSample != 8 && wav.bitsPerSample != 16) ||
                wav.blockAlign != wav.channels * wav.bitsPerSample / 8 ||
                wav.bytesPerSecond != wav.sampleRate * wav.blockAlign) {
                return std::nullopt;
            }
            haveFormat = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (!haveFormat) return std::nullopt;
            std::size_t n = size < available ? size : available;
            n -= n % wav.blockAlign;
            wav.data.assign(file.data() + body, file.data() + body + n);
            return wav;
        }
        // Chunks are padded to an even size.
        const std::size_t next = body + size + (size & 1);
        if (next <= at || next > file.size()) break;
        at = next;
    }
    return std::nullopt;
}

}  // namespace lg
