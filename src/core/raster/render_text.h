// Anti-aliased text with alpha: TBitmap32::RenderText (declared in
// bitmap32.h, defined with these) and RenderTextInRect.
//
// RenderText(x, y, s, level 0, c): measure s followed by one space; draw s
// in white on a scratch bitmap of that size (all pixels 0); every non-zero
// scratch pixel becomes c's RGB with alpha = its blue byte (the platform's
// own smoothing becomes the alpha); the scratch bitmap is drawn at (x, y) in
// blend mode with master alpha = c's alpha and the destination's combine
// mode. Levels 1..4 render 2^level times larger and average down, as
// RenderTextInRect does, and place the result at (x, y).
#pragma once

#include <string_view>

#include "raster/bitmap32.h"
#include "raster/geometry.h"

namespace lg {

// Draws text anti-aliased into dst, vertically centred in r and
// horizontally centred unless leftAlign (then from r.Left), in dst's font,
// in color's RGB with color's alpha as overall opacity, combined by dst's
// combine mode. With q = quality clamped to 0..4 and s = 2^q:
//  1. Measure text in dst's font enlarged s times: (cx, cy).
//  2. Render it white on a zero bitmap of ((cx >> q) + 1) << q by
//     ((cy >> q) + 1) << q pixels.
//  3. Average the blue bytes of every s x s block into a bitmap s times
//     smaller: pixel = color's RGB with alpha = the mean.
//  4. Place it at Y = r.Top + (r.Height - small height) / 2 and X = r.Left
//     (+ (r.Width - small width) / 2 unless leftAlign), divisions truncated
//     towards zero, so a text larger than r overflows it about equally on
//     both sides.
// Nothing happens when dst is empty. Throws RasterError if the enlarged
// text needs a bitmap that cannot be had.
void RenderTextInRect(TBitmap32& dst, const TRect& r, std::u16string_view text, TColor32 color,
                      int quality, bool leftAlign);

}  // namespace lg
