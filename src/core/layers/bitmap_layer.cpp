#include "layers/bitmap_layer.h"

namespace lg {

void TBitmapLayer::DoPaint(TBitmap32& buffer) {
    if (bitmap_.Empty()) return;
    buffer.Draw(RoundRect(Location()), bitmap_.BoundsRect(), bitmap_);
}

}  // namespace lg
