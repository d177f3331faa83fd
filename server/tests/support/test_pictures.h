// Pictures for the tests, made by the program's own encoders, so the bytes
// are those the client uploads.
#pragma once

#include <string>

namespace lg::srv::test {

// A PNG of `width` x `height` with noise from `seed` (noise keeps the file
// near its raw size, so a size in bytes can be aimed at).
std::string MakePng(int width, int height, unsigned seed);
std::string MakeJpeg(int width, int height, unsigned seed);

}  // namespace lg::srv::test
