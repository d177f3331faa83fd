// Which layer the view hands a press, a move and a release to, and the
// view's own mouse events and cursor.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "layer_test_support.h"
#include "layers/img_view32.h"

namespace lg {
namespace {

using layers_test::EventLog;
using layers_test::TProbeLayer;

// Three overlapping layers: A (0,0)-(100,100) at the bottom, B (20,20)-(60,60)
// in the middle, C (40,40)-(80,80) on top.
class LayerMouseRouting : public ::testing::Test {
protected:
    LayerMouseRouting() {
        view.SetBitmap(TBitmap32(200, 200));
        a = &view.Layers().Add<TProbeLayer>("A", TFloatRect{0, 0, 100, 100}, 0, &log);
        b = &view.Layers().Add<TProbeLayer>("B", TFloatRect{20, 20, 60, 60}, 0, &log);
        c = &view.Layers().Add<TProbeLayer>("C", TFloatRect{40, 40, 80, 80}, 0, &log);
        view.OnMouseDown = [this](TMouseButton, TShiftState, int, int, TCustomLayer* l) {
            log.push_back("view.down " + NameOf(l));
        };
        view.OnMouseMove = [this](TShiftState, int, int, TCustomLayer* l) {
            log.push_back("view.move " + NameOf(l));
        };
        view.OnMouseUp = [this](TMouseButton, TShiftState, int, int, TCustomLayer* l) {
            log.push_back("view.up " + NameOf(l));
        };
    }

    static std::string NameOf(TCustomLayer* l) {
        auto* p = dynamic_cast<TProbeLayer*>(l);
        return l == nullptr ? "none" : p ? p->Name() : "other";
    }

    TImgView32 view;
    EventLog log;
    TProbeLayer* a;
    TProbeLayer* b;
    TProbeLayer* c;
};

struct PressCase {
    const char* name;
    int x, y;
    std::vector<char> hidden;  // layers made invisible
    std::vector<char> deaf;    // layers with mouse events off
    const char* expected;      // the layer that takes the press
};

TEST_F(LayerMouseRouting, PressGoesToTheTopmostAcceptingLayer) {
    const PressCase cases[] = {
        {"all three overlap: the top one", 50, 50, {}, {}, "C"},
        {"A and B overlap", 30, 30, {}, {}, "B"},
        {"only A", 90, 90, {}, {}, "A"},
        {"left and top edges belong to the layer", 40, 40, {}, {}, "C"},
        {"right and bottom edges do not", 80, 80, {}, {}, "A"},
        {"an invisible layer is skipped", 50, 50, {'C'}, {}, "B"},
        {"a layer without mouse events is skipped", 50, 50, {}, {'C'}, "B"},
        {"skipping goes on downwards", 50, 50, {'C'}, {'B'}, "A"},
        {"nothing under the point", 150, 150, {}, {}, "none"},
        {"every layer under the point skipped", 90, 90, {'A'}, {}, "none"},
    };
    for (const PressCase& pc : cases) {
        SCOPED_TRACE(pc.name);
        for (TProbeLayer* l : {a, b, c}) {
            const char n = l->Name()[0];
            l->SetVisible(std::find(pc.hidden.begin(), pc.hidden.end(), n) == pc.hidden.end());
            l->SetMouseEvents(std::find(pc.deaf.begin(), pc.deaf.end(), n) == pc.deaf.end());
        }
        log.clear();
        view.MouseDown(mbLeft, 0, pc.x, pc.y);
        view.MouseUp(mbLeft, 0, pc.x, pc.y);
        const std::string at = std::to_string(pc.x) + "," + std::to_string(pc.y);
        const std::string who = pc.expected;
        const EventLog expected = who == "none" ? EventLog{"view.down none", "view.up none"}
                                                : EventLog{who + ".down " + at, "view.down " + who,
                                                           who + ".up " + at, "view.up " + who};
        EXPECT_EQ(log, expected);
    }
}

TEST_F(LayerMouseRouting, PressedLayerKeepsTheMouseUntilTheRelease) {
    view.MouseDown(mbLeft, 0, 50, 50);
    view.MouseMove(ssLeft, 150, 150);  // over no layer at all
    view.MouseMove(ssLeft, 5, 5);      // over A only
    view.MouseUp(mbLeft, 0, 5, 5);
    view.MouseMove(0, 6, 6);  // free again: A is under the pointer
    EXPECT_EQ(
        log, (EventLog{"C.down 50,50", "view.down C", "C.move 150,150", "view.move C", "C.move 5,5",
                       "view.move C", "C.up 5,5", "view.up C", "A.move 6,6", "view.move A"}));
    EXPECT_EQ(view.Layers().MouseListener(), nullptr);
}

TEST_F(LayerMouseRouting, OtherButtonsDoNotEndTheCapture) {
    view.MouseDown(mbLeft, ssLeft, 50, 50);
    view.MouseDown(mbRight, ssLeft | ssRight, 5, 5);
    view.MouseUp(mbRight, ssLeft, 5, 5);
    EXPECT_EQ(view.Layers().MouseListener(), c);
    view.MouseMove(ssLeft, 6, 6);
    view.MouseUp(mbLeft, 0, 6, 6);
    EXPECT_EQ(view.Layers().MouseListener(), nullptr);
    EXPECT_EQ(log, (EventLog{"C.down 50,50", "view.down C", "C.down 5,5", "view.down C", "C.up 5,5",
                             "view.up C", "C.move 6,6", "view.move C", "C.up 6,6", "view.up C"}));
}

TEST_F(LayerMouseRouting, ReleaseWithoutAPressGoesToTheLayerUnderThePointer) {
    view.MouseUp(mbLeft, 0, 30, 30);
    EXPECT_EQ(log, (EventLog{"B.up 30,30", "view.up B"}));
}

TEST_F(LayerMouseRouting, LayerFreedByItsOwnReleaseHandlerIsReportedAsNone) {
    // The way a finished tool ends: its release hook has the layer deleted
    // and a fresh one created in its place.
    int destroyed = 0;
    auto& tool =
        view.Layers().Add<TProbeLayer>("tool", TFloatRect{0, 0, 200, 200}, 0, nullptr, &destroyed);
    tool.OnMouseUp = [this](TCustomLayer& self, TMouseButton, TShiftState, int, int) {
        view.Layers().Delete(self.Index());
        view.Layers().Add<TProbeLayer>("next", TFloatRect{0, 0, 200, 200});
    };
    view.MouseDown(mbLeft, 0, 10, 10);
    log.clear();
    view.MouseUp(mbLeft, 0, 10, 10);
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(log, (EventLog{"view.up none"}));
    EXPECT_EQ(view.Layers().MouseListener(), nullptr);
}

TEST_F(LayerMouseRouting, DeletingThePressedLayerFreesTheMouse) {
    view.MouseDown(mbLeft, 0, 50, 50);
    view.Layers().Delete(c->Index());
    log.clear();
    view.MouseMove(ssLeft, 30, 30);
    view.MouseUp(mbLeft, 0, 30, 30);
    EXPECT_EQ(log, (EventLog{"B.move 30,30", "view.move B", "B.up 30,30", "view.up B"}));
}

struct CaptureLostCase {
    const char* name;
    std::function<void(TImgView32&)> before;  // what the user did before the loss
    EventLog expected;                        // what the loss delivers
};

TEST_F(LayerMouseRouting, CaptureLostEndsTheDragAsAReleaseWould) {
    // The view's release with its button and the shift it carries, to see
    // the drag end as a real release would.
    view.OnMouseUp = [this](TMouseButton b, TShiftState s, int, int, TCustomLayer* l) {
        std::string what = "view.up " + NameOf(l) + (b == mbLeft ? " left" : " right");
        if (s & ssCtrl) what += " ctrl";
        if (s & ssLeft) what += " +left";
        if (s & ssRight) what += " +right";
        if (s & ssDouble) what += " double";
        log.push_back(what);
    };
    const CaptureLostCase cases[] = {
        {"no button down: nothing happens", [](TImgView32& v) { v.MouseMove(0, 50, 50); }, {}},
        {"a press already released: nothing happens",
         [](TImgView32& v) {
             v.MouseDown(mbLeft, ssLeft, 50, 50);
             v.MouseUp(mbLeft, 0, 50, 50);
         },
         {}},
        {"a double-click press: its release is an ordinary one",
         [](TImgView32& v) { v.MouseDown(mbLeft, ssLeft | ssDouble, 50, 50); },
         {"C.up 50,50", "view.up C left"}},
        {"the pressed layer is released where the pointer was last seen, keys kept",
         [](TImgView32& v) {
             v.MouseDown(mbLeft, ssLeft | ssCtrl, 50, 50);
             v.MouseMove(ssLeft | ssCtrl, 150, 150);
             v.MouseMove(ssLeft | ssCtrl, 5, 5);
         },
         {"C.up 5,5", "view.up C left ctrl"}},
        {"a press no layer took still ends for the view",
         [](TImgView32& v) {
             v.MouseDown(mbLeft, ssLeft, 150, 150);
             v.MouseMove(ssLeft, 160, 160);
         },
         {"view.up none left"}},
        {"two buttons: the drag's first, then the other, as two releases",
         [](TImgView32& v) {
             v.MouseDown(mbLeft, ssLeft, 50, 50);
             v.MouseDown(mbRight, ssLeft | ssRight, 5, 5);
         },
         {"C.up 5,5", "view.up C left +right", "A.up 5,5", "view.up A right"}},
    };
    for (const CaptureLostCase& c : cases) {
        SCOPED_TRACE(c.name);
        c.before(view);
        log.clear();
        view.CaptureLost();
        EXPECT_EQ(log, c.expected);
        EXPECT_FALSE(view.Capturing());
        EXPECT_EQ(view.Layers().MouseListener(), nullptr);
        // No layer follows a mouse with no button held, and a second loss
        // finds nothing to end.
        log.clear();
        view.MouseMove(0, 90, 90);
        view.CaptureLost();
        EXPECT_EQ(log, (EventLog{"A.move 90,90", "view.move A"}));
    }
}

TEST_F(LayerMouseRouting, CursorFollowsTheLayerUnderThePointer) {
    view.SetCursor(crCross);
    a->SetCursor(crIBeam);
    c->SetCursor(crSizeAll);

    view.MouseMove(0, 150, 150);
    EXPECT_EQ(view.CurrentCursor(), crCross) << "over no layer: the view's own";
    view.MouseMove(0, 50, 50);
    EXPECT_EQ(view.CurrentCursor(), crSizeAll) << "a move makes the layer's cursor the override";
    EXPECT_EQ(view.ScreenCursor(), crSizeAll);
    view.MouseMove(0, 30, 30);
    EXPECT_EQ(view.CurrentCursor(), crCross) << "B has none: the view's own again";
    view.MouseMove(0, 90, 90);
    EXPECT_EQ(view.CurrentCursor(), crIBeam);

    view.MouseDown(mbLeft, 0, 90, 90);
    view.MouseUp(mbLeft, 0, 90, 90);
    EXPECT_EQ(view.ScreenCursor(), crDefault) << "a release drops the override";
    EXPECT_EQ(view.CurrentCursor(), crIBeam) << "the layer under the pointer still decides";

    view.MouseMove(0, 90, 90);
    view.MouseMove(0, 150, 150);
    EXPECT_EQ(view.ScreenCursor(), crDefault) << "leaving every layer drops the override";
    EXPECT_EQ(view.CurrentCursor(), crCross);
}

}  // namespace
}  // namespace lg
