#include "layers/positioned_layer.h"

#include <algorithm>
#include <cmath>

namespace lg {

namespace {

// 2^29: far beyond any screen, and two of them still add up inside an int.
constexpr double kCoordLimit = 536870912.0;

int ClampToInt(double v) {
    if (std::isnan(v)) return 0;
    return static_cast<int>(std::clamp(v, -kCoordLimit, kCoordLimit));
}

}  // namespace

int RoundCoord(float v) {
    return ClampToInt(std::round(static_cast<double>(v)));
}

TRect RoundRect(const TFloatRect& r) {
    const int l = RoundCoord(r.Left), t = RoundCoord(r.Top);
    const int rr = RoundCoord(r.Right), b = RoundCoord(r.Bottom);
    return TRect{std::min(l, rr), std::min(t, b), std::max(l, rr), std::max(t, b)};
}

TRect OuterRect(const TFloatRect& r) {
    const double l = std::min(r.Left, r.Right), rr = std::max(r.Left, r.Right);
    const double t = std::min(r.Top, r.Bottom), b = std::max(r.Top, r.Bottom);
    return TRect{ClampToInt(std::floor(l)), ClampToInt(std::floor(t)), ClampToInt(std::ceil(rr)),
                 ClampToInt(std::ceil(b))};
}

TPositionedLayer::TPositionedLayer() {
    SetLayerOptions(loVisible | loMouseEvents);
}

void TPositionedLayer::SetLocation(const TFloatRect& location) {
    if (location == location_) return;
    const TRect oldBounds = PaintBounds();
    location_ = location;
    BoundsChanged(oldBounds, PaintBounds());
    LocationChanged();
}

bool TPositionedLayer::DoHitTest(int x, int y) const {
    const float fx = static_cast<float>(x), fy = static_cast<float>(y);
    return fx >= location_.Left && fx < location_.Right && fy >= location_.Top &&
           fy < location_.Bottom;
}

}  // namespace lg
