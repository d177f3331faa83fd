// The drop-down list's scroll bar in the program's flat look, drawn by code
// at the display's scale: a darker channel, a rounded thumb in the outline
// colour that lightens under the pointer and while dragged, and small
// arrow heads in the icon ink that fade where the list cannot go further.
#pragma once

#include "controls/list_scroll_geometry.h"
#include "dpi/display_scale.h"
#include "raster/bitmap32.h"

namespace lg {

// What the bar shows besides its geometry.
struct ListScrollBarState {
    ListScrollPart hot = ListScrollPart::None;      // under the pointer
    ListScrollPart pressed = ListScrollPart::None;  // held down (the thumb: dragged)
    bool canGoUp = false;                           // the first row is not the top one
    bool canGoDown = false;                         // the last row is not shown
};

// The channel's colour beside rows filled with `listFill`.
TColor32 ListScrollTrackColor(TColor32 listFill);

// Paints `b` into `canvas` (nothing when it is not shown).
void PaintListScrollBar(TBitmap32& canvas, const ListScrollBar& b, const ListScrollBarState& state,
                        TColor32 listFill, DisplayScale scale);

}  // namespace lg
