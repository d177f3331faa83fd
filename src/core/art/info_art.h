// The pictures of the information windows (the new-version notice, the
// about, welcome and offer windows, the rating window): their backgrounds,
// the notice's badge, the link picture and the pictures of their buttons.
// Sizes are 96-DPI pixels; every picture is drawn at the display's scale.
#pragma once

#include "art/button_art.h"
#include "dpi/display_scale.h"
#include "raster/bitmap32.h"

namespace lg::art {

// The surface of the about, welcome, new-version and rating windows.
inline constexpr TColor32 kWindowSurface = Color32(12, 34, 66);
// The glow's strength where it is strongest.
inline constexpr double kGlowPeak = 0.08;

// How much of the accent the glow lays at a point, given as fractions of
// the way from the glowing corner (u across, v down, 0 at the corner, 1
// where the glow has faded out): kGlowPeak at the corner, falling smoothly
// (no visible edge) to 0 at distance 1 and beyond.
double GlowOpacity(double u, double v);

// A window background of `width96` x `height96`: the window surface with
// the accent's soft glow in its top-right corner, reaching 70 % of the
// width and 90 % of the height. Opaque.
TBitmap32 DrawInfoBackground(int width96, int height96, DisplayScale scale = {});

// The new-version notice's picture (40 x 40): an accent disc holding a
// white arrow down onto a tray.
TBitmap32 DrawUpdateBadge(int size96, DisplayScale scale = {});

// The link picture (107 x 23) of the about and welcome windows: a small
// globe at its left edge in the accent (white under the pointer) on a
// transparent body; the button draws its caption beside the globe.
ButtonArt DrawLinkButton(int width96, int height96, DisplayScale scale = {});
// Where the link's caption starts, right of the globe, in 96-DPI pixels.
inline constexpr int kLinkCaptionLeft = 22;

// A primary button with a white selection mark at its left ("Сделать
// скриншот"), its caption shifted right by the caller.
ButtonArt DrawCaptureButton(int width96, int height96, DisplayScale scale = {});

// A white arrow pointing right, `size96` square: the icon at the right end
// of "УЗНАТЬ БОЛЬШЕ".
TBitmap32 DrawArrowIcon(int size96, DisplayScale scale = {});

}  // namespace lg::art
