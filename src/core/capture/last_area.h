// Repeating the last area: the rectangle of the last area capture, kept in
// virtual-screen coordinates, opens a capture with that selection on the
// screen as it is now.
#pragma once

#include <optional>

#include "raster/geometry.h"
#include "settings/shortcut.h"

namespace lg {

// What StartSelectRegion is given to repeat the last area.
inline constexpr int kTypeSelectLastArea = TypeSelectOf(CaptureKind::LastArea);

// The selection, in capture coordinates, a repeat opens with: `lastArea`
// (virtual-screen coordinates) clipped to `rectWork`, the virtual screen
// now (a monitor may have gone since). Nothing when there is no last area
// yet or none of it is on the screen: the repeat is then a plain area
// capture.
std::optional<TRect> LastAreaSelection(std::optional<TRect> lastArea, const TRect& rectWork);

}  // namespace lg
