// The background pictures of the two pickers that open from the tool
// palette: a rounded box with a pointer at its top edge towards the palette
// button that opened it. The picture is never shown as such; its pixels
// outside the cut-out colour are the window's shape, and turned upside down
// (FlipBitmapVertically) it serves a picker opened above the palette.
//
// Sizes are 96-DPI pixels; a picture is drawn at the display's scale, so it
// has scale.Px(width) x scale.Px(height) pixels.
#pragma once

#include "dpi/display_scale.h"
#include "raster/bitmap32.h"

namespace lg::art {

// The pickers' sizes at 96 DPI.
inline constexpr TSize kWidthPickerSize{125, 38};
inline constexpr TSize kFontPickerSize{190, 95};

// Where the pointer's tip lies across each picture, at 96 DPI: over the
// middle of the palette button that opens the picker.
inline constexpr double kWidthPickerTipX = 62.5;
inline constexpr double kFontPickerTipX = 81;

// The colours outside the shapes. The width picker's is black, which the
// box never uses; the font picker's is the colour of its picture's top-left
// pixel, a magenta the box never uses either.
inline constexpr TColor32 kWidthPickerCutOut = Color32(0, 0, 0);
inline constexpr TColor32 kFontPickerCutOut = Color32(255, 0, 255);

// Every pixel opaque: the panel surface inside a 1 px outline, the cut-out
// colour outside. A pixel belongs to the shape when the outline covers at
// least half of it, and the outline's ring runs along that pixel edge, so
// the window's cut edge shows the ring all round, the pointer included.
TBitmap32 DrawWidthPickerBackground(DisplayScale scale = {});
TBitmap32 DrawFontPickerBackground(DisplayScale scale = {});

}  // namespace lg::art
