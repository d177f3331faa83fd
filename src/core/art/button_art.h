// The pictures of the image buttons, drawn from vector shapes by the raster
// engine: one light-on-navy family for the palette, the output panel and the
// small windows. Every picture has straight alpha; what a picture leaves
// transparent shows the window behind the button.
//
// Sizes are given in 96-DPI pixels, as the windows' layout tables hold them;
// a picture is drawn for a display scale at that display's size (every
// shape, stroke and radius scaled before it is rasterized, never a 96-DPI
// picture stretched), so it has scale.Px(width96) x scale.Px(height96)
// pixels. At 96 DPI (the default) the pictures are the 96-DPI design.
#pragma once

#include <cstdint>

#include "dpi/display_scale.h"
#include "raster/bitmap32.h"

namespace lg::art {

// The glyph of an icon button.
enum class Glyph : std::uint8_t {
    Arrow,       // shaft with a dart head, up-right
    Pen,         // a slanted pencil
    Rect,        // rectangle outline
    Line,        // diagonal
    Marker,      // chisel tip with a broad translucent stroke
    Width,       // three horizontal lines of 1, 2 and 4 px
    FillRect,    // translucent fill with an outline
    Text,        // "T" with serifs
    Stamp,       // a disc with "1"
    Blur,        // a square of dots fading out
    Color,       // a frame around a transparent swatch hole (the colour
                 // shows through from the button's background picture)
    Undo,        // curved arrow to the left
    Redo,        // curved arrow to the right
    Upload,      // a cloud with an up arrow
    Copy,        // two overlapping sheets
    Save,        // a down arrow onto a tray
    Close,       // a thin x (38 x 38 output button)
    CloseSmall,  // a thin x for the 20 x 20 close button of small windows (also
                 // the 14 x 14 one of the settings window)
    Reset,       // a circular arrow turning back, for the 16 x 16 reset button
    Bold,        // a heavy "B" (the font picker's style toggles)
    Italic,      // a slanted "I" with serifs
    Underline,   // a "U" over a bar
    Strike,      // an "S" struck through
};

// The four pictures of one set: normal, pressed, hover, disabled.
struct StatePictures {
    TBitmap32 normal;
    TBitmap32 down;
    TBitmap32 move;
    TBitmap32 disabled;
};

// Both sets of a button: `plain` when not latched, `latched` when the
// button is down (the current tool).
struct ButtonArt {
    StatePictures plain;
    StatePictures latched;
};

// An icon button of `width96` x `height96` (38 x 38 in the palette, 48 x 38
// for the colour button, 38 x 33 for the upload button, 20 x 20 or 14 x 14
// for CloseSmall, 16 x 16 for Reset).
ButtonArt DrawGlyphButton(Glyph glyph, int width96, int height96, DisplayScale scale = {});

enum class TextButtonKind : std::uint8_t { Primary, Secondary };

// The body of a button with a caption (the caption is drawn by the button
// itself): normal, pressed, hover and disabled; the latched set equals the
// plain set.
ButtonArt DrawTextButton(TextButtonKind kind, int width96, int height96, DisplayScale scale = {});

// A separator: a 1 px line inset 8 px from its ends, vertical when the
// picture is taller than wide, horizontal otherwise.
TBitmap32 DrawSeparator(int width96, int height96, DisplayScale scale = {});

}  // namespace lg::art
