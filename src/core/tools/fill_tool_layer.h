// The opaque filled rectangle in the pen colour. No control of the editor
// selects it; it keeps its place in the class table.
#pragma once

#include "tools/base_2p_tool_layer.h"

namespace lg {

class TFillToolLayer : public TBase2PToolLayer {
public:
    using TBase2PToolLayer::TBase2PToolLayer;

    TCurTool Kind() const override { return ctFillRect; }

protected:
    // Draws at every call; refilling an opaque rectangle changes nothing.
    void DrawFigure() override;
};

}  // namespace lg
