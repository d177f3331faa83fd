#include "raster/color32.h"

namespace lg {

TColor32 Color32(TColor c, SystemColorLookup lookup) {
    if (IsSystemColor(c)) c = lookup ? lookup(static_cast<int>(c & 0xFF)) & 0x00FFFFFFu : 0;
    return Color32(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF, 0xFF);
}

}  // namespace lg
