// The one display scale every window, control, font and annotation takes
// its sizes through. Sizes are written in 96-DPI pixels (the layout tables,
// the widths of the tools); a display at another DPI shows them multiplied
// by dpi / 96. At 96 DPI every conversion is the identity, so a picture
// drawn at 100 % stays pixel for pixel what it was.
#pragma once

#include <span>

#include "raster/geometry.h"

namespace lg {

// The DPI at which a size in pixels is taken as written.
inline constexpr int kBaseDpi = 96;

class DisplayScale {
public:
    constexpr DisplayScale() = default;
    // A DPI of 0 or below (a failed query) counts as 96.
    constexpr explicit DisplayScale(int dpi) : dpi_(dpi > 0 ? dpi : kBaseDpi) {}

    constexpr int Dpi() const { return dpi_; }
    constexpr double Factor() const { return static_cast<double>(dpi_) / kBaseDpi; }
    constexpr bool IsIdentity() const { return dpi_ == kBaseDpi; }

    // A 96-DPI length in pixels of this display, rounded to the nearest
    // pixel (halves away from zero), as the platform's MulDiv rounds.
    constexpr int Px(int v96) const {
        const long long p = static_cast<long long>(v96) * dpi_;
        return static_cast<int>(p >= 0 ? (p + kBaseDpi / 2) / kBaseDpi
                                       : -((-p + kBaseDpi / 2) / kBaseDpi));
    }
    // The same without rounding, for widths the rasterizer takes as floats.
    constexpr float PxF(float v96) const {
        return v96 * static_cast<float>(dpi_) / static_cast<float>(kBaseDpi);
    }
    constexpr double PxD(double v96) const { return v96 * dpi_ / kBaseDpi; }

    // A 96-DPI rectangle: each edge is scaled on its own, so rectangles that
    // touch at 96 DPI still touch and a row of them sums to the scaled total.
    constexpr TRect Rect(const TRect& r96) const {
        return TRect{Px(r96.Left), Px(r96.Top), Px(r96.Right), Px(r96.Bottom)};
    }
    constexpr TSize Size(const TSize& s96) const { return TSize{Px(s96.cx), Px(s96.cy)}; }

    friend constexpr bool operator==(const DisplayScale&, const DisplayScale&) = default;

private:
    int dpi_ = kBaseDpi;
};

// One monitor as the platform reports it: its bounds in screen
// coordinates and its DPI.
struct MonitorDpi {
    TRect bounds;
    int dpi = kBaseDpi;
};

// The scale of the monitor a rectangle (a window, a selection) lies on:
// the one it overlaps most, or, when it overlaps none, the nearest. An
// empty list gives 96 DPI.
DisplayScale ScaleForRect(std::span<const MonitorDpi> monitors, const TRect& r);

}  // namespace lg
