// The program's icon (tray, about, notification), drawn from vector shapes:
// a rounded square in the accent colour holding white selection corners
// around a small dot.
#pragma once

#include <cstdint>
#include <vector>

namespace lg {

// `size` × `size` pixels, row-major from the top, $AARRGGBB straight alpha.
// Empty for a size below 1.
std::vector<uint32_t> DrawAppIcon(int size);

}  // namespace lg
