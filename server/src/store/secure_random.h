// Bytes from the kernel's cryptographic generator, for picture ids and
// delete secrets: an id that can be guessed is a picture that can be found.
#pragma once

#include <cstdint>
#include <span>

namespace lg::srv {

// Fills `out` from getrandom(2). Throws std::system_error when the kernel
// cannot give them (never silently weaker bytes).
void FillSecureRandom(std::span<uint8_t> out);

}  // namespace lg::srv
