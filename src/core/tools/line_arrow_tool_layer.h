// The arrow: a straight line from the press to the pointer with a dart
// head at the release end. The editor's default tool.
#pragma once

#include "raster/line32.h"
#include "tools/base_2p_tool_layer.h"

namespace lg {

// The head is three pen widths long, but never below this: a 1-pixel pen
// would get a 3-pixel head, which TLine32 does not draw at all.
inline constexpr float kMinArrowHeadSize = 4.0f;
// The head's outline is invisible but still sets the base point this far
// behind the tip, which keeps the shaft's butt end inside the head.
inline constexpr float kArrowOutlineWidth = 6.0f;

// The head size for a pen of `penWidth` pixels.
constexpr float ArrowHeadSize(int penWidth) {
    const float size = 3.0f * static_cast<float>(penWidth);
    return size > 3.0f ? size : kMinArrowHeadSize;
}

class TLineArrowToolLayer : public TBase2PToolLayer {
public:
    TLineArrowToolLayer(TImgView32& imgv, const TFloatRect& location, TBitmap32& drawBitmap);

    TCurTool Kind() const override { return ctArrow; }

    // The arrow's line as last drawn.
    const TLine32& Line() const { return ln32; }

protected:
    // Draws only while dragging: laying the head over itself again at the
    // release would thicken its anti-aliased edge.
    void DrawFigure() override;

private:
    TLine32 ln32;
};

}  // namespace lg
