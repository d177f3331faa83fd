// The companion offer's picture: the window's background with a drawn
// screen being recorded (a monitor whose screen shows a red record dot, a
// play triangle and a timeline), left of where the window's headline and
// button sit.
#pragma once

#include "dpi/display_scale.h"
#include "raster/bitmap32.h"
#include "raster/geometry.h"

namespace lg::art {

// The offer window's client size at 96 DPI.
inline constexpr TSize kOfferSize{789, 480};
// Where the monitor's screen lies in the picture, at 96 DPI.
inline constexpr TRect kOfferScreen{58, 178, 306, 326};
// The record dot's colour.
inline constexpr TColor32 kRecordRed = Color32(235, 72, 72);

// The whole background of kOfferSize at `scale`: the window surface with
// the accent's glow, and the monitor. Opaque.
TBitmap32 DrawOfferPicture(DisplayScale scale = {});

}  // namespace lg::art
