// A layer with a floating-point location rectangle in view coordinates.
#pragma once

#include "layers/custom_layer.h"

namespace lg {

// Nearest integer of a view coordinate (halves away from zero), clamped to
// a range every rectangle sum stays inside; NaN counts as 0. Locations come
// from mouse arithmetic and host input, so they are never trusted to fit an
// int.
int RoundCoord(float v);

// The location as whole pixels: edges rounded to the nearest integer and
// put in order (Left <= Right, Top <= Bottom).
TRect RoundRect(const TFloatRect& r);

// The smallest pixel rectangle holding r (edges rounded outwards, in
// order).
TRect OuterRect(const TFloatRect& r);

class TPositionedLayer : public TCustomLayer {
public:
    // Visible, receives mouse events, located at (0, 0, 64, 64).
    TPositionedLayer();

    const TFloatRect& Location() const { return location_; }
    // Repaints the old and the new area when the location changes.
    void SetLocation(const TFloatRect& location);

    // Whether the location follows the view's scale. The view is always
    // shown at scale 1, where both settings place the layer alike; the flag
    // is kept because the layers' users set it.
    bool Scaled() const { return scaled_; }
    void SetScaled(bool scaled) { scaled_ = scaled; }

    TRect PaintBounds() const override { return OuterRect(location_); }

protected:
    // Inside the location: Left <= x < Right and Top <= y < Bottom.
    bool DoHitTest(int x, int y) const override;
    // Runs after every change of the location.
    virtual void LocationChanged() {}

private:
    TFloatRect location_{0, 0, 64, 64};
    bool scaled_ = false;
};

}  // namespace lg
