// The editor's tool kinds. The values are stored by the capture window and
// the tool palette, so they must not be renumbered.
#pragma once

#include <cstdint>

namespace lg {

enum TCurTool : std::uint8_t {
    ctNone = 0,      // no tool layer
    ctLine = 1,      // straight line
    ctArrow = 2,     // line with an arrow head at the release end
    ctRect = 3,      // rectangle outline
    ctFillRect = 4,  // opaque filled rectangle (no control selects it)
    ctRectGaus = 5,  // blurred rectangle of the capture
    ctPen = 6,       // freehand stroke
    ctTrRect = 7,    // translucent filled rectangle
    ctTrPen = 8,     // translucent freehand stroke (marker)
    ctTextExit = 9,  // text box
    ctStamp = 10,    // numbered disc
};

inline constexpr int kToolKindCount = ctStamp + 1;

}  // namespace lg
