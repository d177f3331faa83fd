// The position bar's arithmetic over plain values: where the track lies in
// the control, and how a value maps to a pixel offset along it and back.
// Kept apart from the control so the mapping is tested as a table.
#pragma once

#include <cstdint>

namespace lg {

// Sizes along and across the track, in pixels. For a horizontal bar
// "along" is the width; a vertical one swaps them.
struct PosbarExtents {
    int controlAlong = 0;
    int controlAcross = 0;
    int thumbAlong = 0;    // 0 without a thumb picture
    int cutLeftAlong = 0;  // the cut handles' pictures
    int cutRightAlong = 0;
    int barSize = 0;  // bar thickness in pixels
    bool barVisible = true;
    bool cutMode = false;
};

struct PosbarLayout {
    int margin = 0;     // L: from the control's start edge to the track's start
    int length = 0;     // R: the track's length; may be 0 or less in a tiny control
    int barOffset = 0;  // O: from the control's side edge to the bar
    int barSize = 0;    // the bar's thickness; 0 when the bar is hidden
};

PosbarLayout ComputePosbarLayout(const PosbarExtents& e);

// The pixel offset of `value` along a track of `length`:
// round((value - min) / (max - min) × length), not clamped. An empty range
// (min = max) puts every value at the track's start instead of dividing by
// zero; the result saturates far outside the track rather than overflow.
std::int64_t PosbarValueToPixel(std::int64_t value, std::int64_t min, std::int64_t max, int length);

// The value at pixel offset `pixel`: round(pixel / length × (max - min) + min),
// lowered to max, then raised to min (so min wins when max < min). A track
// of no length gives min.
std::int64_t PosbarPixelToValue(std::int64_t pixel, std::int64_t min, std::int64_t max, int length);

}  // namespace lg
