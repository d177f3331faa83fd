// A positioned layer that owns a bitmap and shows it at its location.
#pragma once

#include "layers/positioned_layer.h"
#include "raster/bitmap32.h"

namespace lg {

class TBitmapLayer : public TPositionedLayer {
public:
    // The bitmap starts empty (0 x 0). After drawing into it, call
    // Changed() (or Changed(area)) so that the view repaints it: the bitmap
    // cannot tell the layer itself.
    TBitmap32& Bitmap() { return bitmap_; }
    const TBitmap32& Bitmap() const { return bitmap_; }

protected:
    // The bitmap at 1:1 with its top-left at the rounded location's
    // top-left, cut to the location, drawn by its own draw mode, combine
    // mode and master alpha.
    void DoPaint(TBitmap32& buffer) override;

private:
    TBitmap32 bitmap_;
};

}  // namespace lg
