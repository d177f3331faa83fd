// Reading a PCM WAV file for the small audio library: the format and the
// sample bytes. Portable, so its checks are tested natively.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace lg {

struct WavPcm {
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint16_t bitsPerSample = 0;
    std::uint16_t blockAlign = 0;
    std::uint32_t bytesPerSecond = 0;
    std::vector<std::uint8_t> data;
};

// The PCM format and samples of a RIFF WAVE file; nothing for anything
// else (another encoding, a truncated or inconsistent file). A data chunk
// shorter than it claims is cut to what is there, to whole blocks.
std::optional<WavPcm> ParseWav(std::span<const std::uint8_t> file);

}  // namespace lg
