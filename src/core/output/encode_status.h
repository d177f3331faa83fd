// The outcome of an encoder. Encoders never throw; on any failure the output
// buffer is left exactly as it was handed in.
#pragma once

namespace lg {

enum class EncodeStatus {
    kOk,
    kEmptyImage,    // no pixels, a 0x0 or negative size, or a stride below the width
    kTooLarge,      // dimensions the format (or a 32-bit address space) cannot hold
    kOutOfMemory,   // a buffer could not be allocated
    kCodecFailure,  // zlib or libjpeg reported an error
};

}  // namespace lg
