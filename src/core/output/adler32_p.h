// Adler-32, the check value that ends a zlib stream.
#pragma once

#include <cstdint>
#include <span>

namespace lg {

// Continues `adler` (1 for a fresh check) over `data`. Takes the SSE2 path
// when the processor has it.
uint32_t Adler32(uint32_t adler, std::span<const uint8_t> data);

// The two paths, open for the tests: zlib's adler32, and the vector one
// (only on processors with SSE2; see simd/dispatch.h).
uint32_t Adler32Portable(uint32_t adler, std::span<const uint8_t> data);
uint32_t Adler32Sse2(uint32_t adler, std::span<const uint8_t> data);

}  // namespace lg
