#include "output/adler32_p.h"

#include <algorithm>
#include <cstddef>

#include <zlib.h>

#include "simd/dispatch.h"

namespace lg {

uint32_t Adler32Portable(uint32_t adler, std::span<const uint8_t> data) {
    // zlib counts in uInt; feed it in pieces so a 64-bit size never wraps.
    constexpr size_t kPiece = size_t{1} << 30;
    while (!data.empty()) {
        const size_t n = std::min(data.size(), kPiece);
        adler = static_cast<uint32_t>(adler32(adler, data.data(), static_cast<uInt>(n)));
        data = data.subspan(n);
    }
    return adler;
}

uint32_t Adler32(uint32_t adler, std::span<const uint8_t> data) {
#if LG_HAVE_SSE2_PATH
    if (simd::HasSse2()) return Adler32Sse2(adler, data);
#endif
    return Adler32Portable(adler, data);
}

}  // namespace lg
