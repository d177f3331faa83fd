// Pictures and button looks more than one information window uses.
#pragma once

#include "controls/image_button.h"
#include "dpi/display_scale.h"
#include "raster/bitmap32.h"
#include "raster/font.h"
#include "raster/geometry.h"

namespace lg::win {

// The program's icon, `size96` square at `scale`.
TBitmap32 ProgramIconPicture(int size96, const DisplayScale& scale);

// Gives `b` (`size96` at 96 DPI, 107 x 23 in the windows) the link's globe
// and its caption in the accent, underlined, in `font` (whose height the
// caller has scaled).
void MakeLinkButton(TImageButton& b, TSize size96, TFontDesc font, const DisplayScale& scale);

// The close button of the windows' top-right corner, `width96` x `height96`.
void MakeCloseButton(TImageButton& b, int width96, int height96, const DisplayScale& scale);

}  // namespace lg::win
