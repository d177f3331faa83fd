#include "raster/blend.h"

#include <array>

#include "raster/blend_p.h"

namespace lg {

namespace {

MergeTables BuildMergeTables() {
    MergeTables t{};
    for (std::uint32_t fa = 0; fa < 256; ++fa) {
        for (std::uint32_t ba = 0; ba < 256; ++ba) {
            // (x + 127) / 255 rounds x / 255 to the nearest: 255 is odd, so
            // there is never an exact half.
            t.ra[fa][ba] = static_cast<std::uint8_t>(255 - ((255 - fa) * (255 - ba) + 127) / 255);
        }
    }
    for (std::uint32_t fa = 0; fa < 256; ++fa) {
        for (std::uint32_t ra = fa; ra < 256; ++ra) {
            if (ra == 0) continue;
            // Halves round upwards: add ra/2 before the division.
            t.w[fa][ra] = static_cast<std::uint8_t>((255 * fa + ra / 2) / ra);
        }
    }
    return t;
}

}  // namespace

const MergeTables& GetMergeTables() {
    static const MergeTables tables = BuildMergeTables();
    return tables;
}

TColor32 Merge(TColor32 f, TColor32 b) {
    return MergeWith(GetMergeTables(), f, b);
}

}  // namespace lg
