// The marker: a freehand stroke five pen widths wide in the pen colour,
// translucent. It shares the pen's input handling.
#pragma once

#include "tools/base_pl_tool_layer.h"

namespace lg {

// How much wider the marker is than the pen.
inline constexpr int kMarkerWidthFactor = 5;

class TTrPLToolLayer : public TBasePLToolLayer {
public:
    using TBasePLToolLayer::TBasePLToolLayer;

    TCurTool Kind() const override { return ctTrPen; }

protected:
    // The whole stroke as one polygon filled by the non-zero rule, so
    // where it crosses or retraces itself the tint does not add up.
    void DrawFigure() override;
    float StrokeWidth() const override;
    TColor32 StrokeColor() const override;
};

}  // namespace lg
