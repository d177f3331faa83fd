// The blur tool: the dragged rectangle of the committed capture, box
// blurred and opaque, to hide what is there.
#pragma once

#include <cstdint>

#include "tools/base_2p_tool_layer.h"

namespace lg {

// The blur radius, and the size a side must exceed to be blurred: a box
// of 11 pixels hides text of any common size, and a thinner strip is
// copied as it is.
inline constexpr int kBlurRadius = 5;

class TRectGaussToolLayer : public TBase2PToolLayer {
public:
    using TBase2PToolLayer::TBase2PToolLayer;

    TCurTool Kind() const override { return ctRectGaus; }

protected:
    // Recomputed from the capture at every call, so it never blurs its own
    // preview; only the part that differs from the last figure is blurred
    // again.
    void DrawFigure() override;

private:
    // The figure in the draw bitmap, as the last call left it.
    struct Last {
        TRect rect;
        int radius = 0;
        bool blurred = false;
        std::uint64_t generation = 0;  // of the view's picture
    };
    Last last_;
};

}  // namespace lg
