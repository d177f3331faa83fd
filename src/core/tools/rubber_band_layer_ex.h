// The frame around a placed text box. It moves the box (its child, the text
// layer) when dragged by its border; the text area inside the border is
// left to the text layer, so a press there neither moves the box nor
// reaches the frame.
#pragma once

#include "dpi/display_scale.h"
#include "layers/rubberband_layer.h"

namespace lg {

class TRubberBandLayerEx : public TRubberbandLayer {
public:
    // The border is the text box's margin at the scale of the display the
    // box is on.
    explicit TRubberBandLayerEx(DisplayScale scale = {});

    // The width of the border the frame is dragged by, in pixels.
    int Magrin() const { return FMagrin; }

    // The inherited answer, except that a move inside the box shrunk by the
    // border on every side (its edges rounded) is no drag at all.
    TDragState GetDragState(int x, int y) const override;

private:
    int FMagrin;
};

}  // namespace lg
