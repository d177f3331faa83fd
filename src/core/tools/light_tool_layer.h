// The translucent filled rectangle: the dragged rectangle tinted with the
// pen colour, the capture showing through.
#pragma once

#include "tools/base_2p_tool_layer.h"

namespace lg {

// The alpha of the translucent tools (filled rectangle and marker): dark
// enough to mark, light enough to read through.
inline constexpr TColor32 kTranslucentAlpha = 0xAF000000u;

class TLightToolLayer : public TBase2PToolLayer {
public:
    using TBase2PToolLayer::TBase2PToolLayer;

    TCurTool Kind() const override { return ctTrRect; }

protected:
    // Draws only while dragging: a second fill would darken the tint.
    void DrawFigure() override;
};

}  // namespace lg
