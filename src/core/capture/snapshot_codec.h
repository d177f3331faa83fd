// Packing the difference between two snapshots of a capture.
//
// The XOR of the two pictures over the rectangle where they differ is run-
// length coded (pixel_rle.h), optionally deflated on top. The rectangle is
// cut into bands of whole rows, about kBandPixels pixels each, each band's
// run-length stream preceded by its length, so that unpacking needs only a
// band-sized buffer even when a figure spans the whole capture.
//
// Unpacking XORs into a picture, so one packed difference turns the older
// picture into the newer and the newer back into the older.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "raster/bitmap32.h"
#include "raster/geometry.h"

namespace lg {

enum class DeltaPacking : std::uint8_t {
    kRle,         // run-length stream only
    kRleDeflate,  // run-length stream, deflated at zlib level 1
};

// Bounds the unpacking buffer (and the encoder's) to a few hundred KB.
inline constexpr int kBandPixels = 1 << 16;

struct PackedXor {
    TRect rect;  // empty when there is nothing to apply
    DeltaPacking packing = DeltaPacking::kRle;
    std::vector<std::uint8_t> bytes;

    std::size_t HeldBytes() const { return bytes.capacity(); }
};

// Packs older ^ newer over rect, which must lie inside both (else nothing is
// packed and the rectangle is empty). With no older picture the XOR is taken
// against zero, which packs newer's own pixels.
// Throws std::bad_alloc when memory runs out.
PackedXor PackXor(const TBitmap32* older, const TBitmap32& newer, const TRect& rect,
                  DeltaPacking packing);

// target ^= the packed XOR over its rectangle. Every buffer is taken before
// the first pixel changes, so running out of memory (std::bad_alloc) leaves
// target untouched. False when the rectangle is not inside target or the
// data is malformed; target may then be half changed.
bool ApplyXor(const PackedXor& packed, TBitmap32& target);

}  // namespace lg
