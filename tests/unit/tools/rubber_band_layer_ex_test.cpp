// The text box's frame: only its border grabs the mouse, and dragging the
// border moves the box with the text layer in it.
#include <gtest/gtest.h>

#include "layers/img_view32.h"
#include "layers/layer_test_support.h"
#include "tools/rubber_band_layer_ex.h"

namespace lg {
namespace {

using layers_test::EventLog;
using layers_test::TProbeLayer;

constexpr TFloatRect kBox{100, 100, 200, 180};

// The text layer under its frame, set up as the placed text box has them.
struct PlacedBox {
    explicit PlacedBox(int dpi) {
        view.SetBitmap(TBitmap32(400, 400));
        text = &view.Layers().Add<TProbeLayer>("text", kBox, 0, &log);
        frame = &view.Layers().Add<TRubberBandLayerEx>(DisplayScale(dpi));
        frame->SetHandles(rhCenter | rhFrame);
        frame->SetMinWidth(1);
        frame->SetMinHeight(1);
        frame->SetChildLayer(text);
    }

    EventLog log;
    TImgView32 view;
    TProbeLayer* text;
    TRubberBandLayerEx* frame;
};

TEST(TextEditFrame, OnlyTheBorderIsGrabbed) {
    struct Case {
        const char* name;
        int dpi;
        int x, y;
        TDragState expected;
    } cases[] = {
        {"top-left corner", 96, 100, 100, dsMove},
        {"last pixel of the left border", 96, 109, 140, dsMove},
        {"first pixel of the text area", 96, 110, 140, dsNone},
        {"last pixel of the text area, right", 96, 189, 140, dsNone},
        {"first pixel of the right border", 96, 190, 140, dsMove},
        {"top border", 96, 150, 109, dsMove},
        {"text area below the top border", 96, 150, 110, dsNone},
        {"text area above the bottom border", 96, 150, 169, dsNone},
        {"bottom border", 96, 150, 170, dsMove},
        {"bottom-right pixel", 96, 199, 179, dsMove},
        {"outside the box", 96, 200, 180, dsNone},
        {"a border twice as wide at 2.0", 192, 119, 140, dsMove},
        {"text area at 2.0", 192, 120, 140, dsNone},
        {"right border at 2.0", 192, 180, 160, dsMove},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PlacedBox box(c.dpi);
        EXPECT_EQ(box.frame->GetDragState(c.x, c.y), c.expected);
    }
}

TEST(TextEditFrame, DraggingTheBorderMovesTheTextWithIt) {
    PlacedBox box(96);
    box.view.MouseDown(mbLeft, ssLeft, 105, 140);
    EXPECT_TRUE(box.frame->IsDragging());
    box.view.MouseMove(ssLeft, 125, 160);
    box.view.MouseUp(mbLeft, 0, 125, 160);
    EXPECT_EQ(box.frame->Location(), (TFloatRect{120, 120, 220, 200}));
    EXPECT_EQ(box.text->Location(), (TFloatRect{120, 120, 220, 200}));
    EXPECT_TRUE(box.log.empty()) << "the text layer saw none of the drag";
}

TEST(TextEditFrame, APressInTheTextAreaReachesTheTextLayerAndMovesNothing) {
    PlacedBox box(96);
    box.view.MouseDown(mbLeft, ssLeft, 150, 140);
    box.view.MouseMove(ssLeft, 170, 160);
    box.view.MouseUp(mbLeft, 0, 170, 160);
    EXPECT_FALSE(box.frame->IsDragging());
    EXPECT_EQ(box.frame->Location(), kBox);
    EXPECT_EQ(box.text->Location(), kBox);
    EXPECT_EQ(box.log, (EventLog{"text.down 150,140", "text.move 170,160", "text.up 170,160"}));
}

}  // namespace
}  // namespace lg
