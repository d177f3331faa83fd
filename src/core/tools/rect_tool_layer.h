// The rectangle tool: the outline of the dragged rectangle, centred on its
// edges, with rounded corners.
#pragma once

#include "tools/base_2p_tool_layer.h"

namespace lg {

class TRectToolLayer : public TBase2PToolLayer {
public:
    using TBase2PToolLayer::TBase2PToolLayer;

    TCurTool Kind() const override { return ctRect; }

protected:
    // Draws at every call, also after the release, like the line.
    void DrawFigure() override;
};

}  // namespace lg
