// The line tool: a straight line of the pen width from the press to the
// pointer, flat at both ends.
#pragma once

#include "tools/base_2p_tool_layer.h"

namespace lg {

class TLineToolLayer : public TBase2PToolLayer {
public:
    using TBase2PToolLayer::TBase2PToolLayer;

    TCurTool Kind() const override { return ctLine; }

protected:
    // Draws at every call, also after the release: an opaque line laid
    // over itself only firms up its anti-aliased edge.
    void DrawFigure() override;
};

}  // namespace lg
