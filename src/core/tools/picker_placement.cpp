#include "tools/picker_placement.h"

namespace lg {

PickerPlacement PlacePicker(const TRect& palette, const TRect& selection, const TRect& monitor,
                            TSize picker, int offsetX96, DisplayScale scale) {
    const int gap = scale.Px(kPickerGap);
    bool above;
    if (palette.Top < selection.Top) {
        // The palette sits above the selection: the picker goes above it
        // unless the monitor's top leaves no room.
        above = palette.Top - monitor.Top >= picker.cy + gap;
    } else {
        // Below or beside: below unless the monitor's bottom cuts it off.
        above = monitor.Bottom < palette.Bottom + picker.cy + gap;
    }
    const int left = palette.Left + scale.Px(offsetX96);
    const int top = above ? palette.Top - picker.cy - gap : palette.Bottom + gap;
    return PickerPlacement{TRect{left, top, left + picker.cx, top + picker.cy}, above};
}

}  // namespace lg
