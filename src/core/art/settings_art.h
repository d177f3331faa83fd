// The pictures of the settings window's own controls: the check boxes and
// radio buttons of its options, and the page buttons down its frame's left
// edge. Its other buttons use the shared art:
//   close (14 x 14)       DrawGlyphButton(Glyph::CloseSmall, 14, 14, scale)
//   reset (16 x 16)       DrawGlyphButton(Glyph::Reset, 16, 16, scale)
//   "Выбрать" (89 x 33)   DrawTextButton(TextButtonKind::Secondary, 89, 33, scale),
//                         the caption drawn by the button, like the outlined
//                         path box beside it
//   cancel, save          DrawTextButton(Secondary / Primary, 142, 38, scale)
//   separators            DrawSeparator
//   frame, field boxes    DrawFieldBox (field_box.h)
//
// Sizes are 96-DPI pixels; every picture is drawn at the display's scale.
#pragma once

#include "art/button_art.h"
#include "art/field_box.h"
#include "dpi/display_scale.h"

namespace lg::art {

// An option button at 96 DPI, and the box or circle drawn in it.
inline constexpr TSize kOptionButtonSize{20, 21};
inline constexpr int kOptionBox = 16;

// The page buttons at 96 DPI: 108 high each at tops 0, 108 and 216 of the
// 325-high frame, so the last ends on row 324 and the frame's bottom border
// row stays in view.
inline constexpr TSize kPageButtonSize{120, 108};
// The chosen page's bar along the left edge.
inline constexpr int kPageBarWidth = 3;

// A check box: the window shows an option ticked by latching its button,
// so the plain set is unticked (a rounded 16 x 16 box with a 1 px outline;
// under the pointer a lighter outline round the hover fill, the pressed
// fill while held) and the latched set ticked (the box filled with the
// accent, a white check in it; lighter under the pointer, darker while
// held). Disabled pictures are the normal ones at 40 %.
ButtonArt DrawCheckBox(DisplayScale scale = {});

// A radio button: the same states round a 16 px circle; chosen (latched)
// is an accent ring round an accent dot.
ButtonArt DrawRadio(DisplayScale scale = {});

// A page button, flat and opaque (its two lines of text are drawn by the
// button). Not chosen: the panel surface, the hover fill under the pointer,
// the pressed fill while held. Chosen (latched): the frame's fill, so the
// button joins the page it shows, with the accent as a 3 px bar down its
// left edge. Every state has a 1 px line of the frame's border colour along
// its top and left edges: lying on the frame's edge the buttons carry on
// its border, and each parts from the one above it.
ButtonArt DrawPageButton(int width96, int height96, DisplayScale scale = {});

}  // namespace lg::art
