#include "tools/rubber_band_layer_ex.h"

#include "tools/text_edit_model.h"

namespace lg {

TRubberBandLayerEx::TRubberBandLayerEx(DisplayScale scale) : FMagrin(scale.Px(kTextMargin)) {}

TDragState TRubberBandLayerEx::GetDragState(int x, int y) const {
    const TDragState inherited = TRubberbandLayer::GetDragState(x, y);
    if (inherited != dsMove) return inherited;
    const TRect r = FrameRect();
    const bool inText = r.Left + FMagrin <= x && x < r.Right - FMagrin && r.Top + FMagrin <= y &&
                        y < r.Bottom - FMagrin;
    return inText ? dsNone : dsMove;
}

}  // namespace lg
