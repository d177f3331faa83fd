// The rubber band: where it can be grabbed, how dragging moves and resizes
// it, the child that follows it, and what it paints.
#include <gtest/gtest.h>

#include <vector>

#include "layer_test_support.h"
#include "layers/img_view32.h"
#include "layers/rubberband_layer.h"

namespace lg {
namespace {

using layers_test::TProbeLayer;

// The band used by most cases: (100, 100)-(200, 180). Its handles sit on the
// outline's corner pixels and side middles: x = 100, 149, 199 and
// y = 100, 139, 179; with handle size 3 each reaches 4 pixels around.
class LayerRubberband : public ::testing::Test {
protected:
    LayerRubberband() {
        view.SetBitmap(TBitmap32(400, 400));
        child = &view.Layers().Add<TProbeLayer>("child", TFloatRect{100, 100, 200, 180});
        band = &view.Layers().Add<TRubberbandLayer>();
        band->SetChildLayer(child);
    }

    TImgView32 view;
    TProbeLayer* child;
    TRubberbandLayer* band;
};

TEST_F(LayerRubberband, DefaultsAreTheDocumentedOnes) {
    TRubberbandLayer fresh;
    EXPECT_EQ(fresh.Handles(), rhCenter | rhSides | rhCorners | rhFrame);
    EXPECT_EQ(fresh.HandleSize(), 3);
    EXPECT_EQ(fresh.HandleFrame(), 0xFF000000u);
    EXPECT_EQ(fresh.HandleFill(), 0xFFFFFFFFu);
    EXPECT_EQ(fresh.MinWidth(), 10);
    EXPECT_EQ(fresh.MinHeight(), 10);
    EXPECT_EQ(std::vector<TColor32>(fresh.FrameStipple().begin(), fresh.FrameStipple().end()),
              (std::vector<TColor32>{0xFFFFFFFFu, 0xFFFFFFFFu, 0xFF000000u, 0xFF000000u}));
    EXPECT_EQ(fresh.LayerOptions(), loVisible | loMouseEvents);
    EXPECT_EQ(fresh.Location(), (TFloatRect{0, 0, 64, 64}));
}

struct DragStateCase {
    const char* name;
    TFloatRect location;
    TRBHandles handles;
    int x, y;
    TDragState expected;
};

constexpr TFloatRect kBand{100, 100, 200, 180};
constexpr TRBHandles kAll = rhCenter | rhSides | rhCorners | rhFrame;

TEST_F(LayerRubberband, DragStateQuery) {
    const DragStateCase cases[] = {
        {"top-left corner", kBand, kAll, 100, 100, dsSizeTL},
        {"corner zone reaches handle size + 1", kBand, kAll, 96, 96, dsSizeTL},
        {"one pixel further is outside", kBand, kAll, 95, 100, dsNone},
        {"top-right corner", kBand, kAll, 203, 104, dsSizeTR},
        {"bottom-left corner", kBand, kAll, 100, 179, dsSizeBL},
        {"bottom-right corner", kBand, kAll, 199, 179, dsSizeBR},
        {"left side handle", kBand, kAll, 100, 139, dsSizeL},
        {"right side handle", kBand, kAll, 201, 142, dsSizeR},
        {"top side handle", kBand, kAll, 149, 100, dsSizeT},
        {"bottom side handle", kBand, kAll, 146, 183, dsSizeB},
        {"an edge away from its handle is just inside", kBand, kAll, 100, 120, dsMove},
        {"beside an edge away from its handle", kBand, kAll, 99, 120, dsNone},
        {"inside moves", kBand, kAll, 150, 140, dsMove},
        {"outside", kBand, kAll, 300, 300, dsNone},
        // Zones overlap on small bands: corners before sides, and among the
        // corners bottom-right, bottom-left, top-right, top-left.
        {"all four corners: bottom-right", {100, 100, 106, 106}, kAll, 102, 102, dsSizeBR},
        {"left corners: bottom-left", {100, 100, 106, 106}, kAll, 100, 102, dsSizeBL},
        {"top corners: top-right", {100, 100, 106, 106}, kAll, 102, 98, dsSizeTR},
        {"corner before side", {100, 100, 110, 140}, kAll, 101, 98, dsSizeTL},
        // Only the handles present count.
        {"no corners: the corner point is inside", kBand, rhCenter | rhSides, 100, 100, dsMove},
        {"no centre: inside is nothing", kBand, rhCorners | rhSides | rhFrame, 150, 140, dsNone},
        {"no sides: a side handle is inside", kBand, rhCenter | rhCorners, 100, 139, dsMove},
        {"frame and centre only (a movable frame)", kBand, rhCenter | rhFrame, 199, 179, dsMove},
        {"excluded corner", kBand, kAll | rhNotBRCorner, 203, 183, dsNone},
        {"excluded side", kBand, kAll | rhNotLeftSide, 97, 139, dsNone},
    };
    for (const DragStateCase& c : cases) {
        SCOPED_TRACE(c.name);
        band->SetLocation(c.location);
        band->SetHandles(c.handles);
        EXPECT_EQ(band->GetDragState(c.x, c.y), c.expected);
        EXPECT_EQ(band->HitTest(c.x, c.y), c.expected != dsNone);
    }
}

struct DragCase {
    const char* name;
    int pressX, pressY;
    TDragState state;
    int toX, toY;
    TFloatRect expected;
};

TEST_F(LayerRubberband, DraggingMovesOrResizesAndTheChildFollows) {
    const DragCase cases[] = {
        {"move keeps the size", 150, 140, dsMove, 170, 150, {120, 110, 220, 190}},
        {"left edge", 100, 139, dsSizeL, 80, 139, {80, 100, 200, 180}},
        {"left edge stops at the minimum width", 100, 139, dsSizeL, 195, 139, {190, 100, 200, 180}},
        {"right edge", 199, 139, dsSizeR, 250, 120, {100, 100, 250, 180}},
        {"right edge stops at the minimum width", 199, 139, dsSizeR, 50, 139, {100, 100, 110, 180}},
        {"top edge", 149, 100, dsSizeT, 149, 60, {100, 60, 200, 180}},
        {"top edge stops at the minimum height", 149, 100, dsSizeT, 149, 400, {100, 170, 200, 180}},
        {"bottom edge", 149, 179, dsSizeB, 10, 300, {100, 100, 200, 300}},
        {"bottom edge stops at the minimum height",
         149,
         179,
         dsSizeB,
         149,
         0,
         {100, 100, 200, 110}},
        {"top-left corner", 100, 100, dsSizeTL, 90, 80, {90, 80, 200, 180}},
        {"top-left corner at the minimum", 100, 100, dsSizeTL, 500, 500, {190, 170, 200, 180}},
        {"top-right corner", 199, 100, dsSizeTR, 220, 90, {100, 90, 220, 180}},
        {"bottom-left corner", 100, 179, dsSizeBL, 50, 200, {50, 100, 200, 200}},
        {"bottom-right corner", 199, 179, dsSizeBR, 300, 250, {100, 100, 300, 250}},
        {"bottom-right corner at the minimum", 199, 179, dsSizeBR, 0, 0, {100, 100, 110, 110}},
    };
    for (const DragCase& c : cases) {
        SCOPED_TRACE(c.name);
        band->SetLocation(kBand);
        view.MouseDown(mbLeft, ssLeft, c.pressX, c.pressY);
        EXPECT_TRUE(band->IsDragging());
        EXPECT_EQ(band->DragState(), c.state);
        view.MouseMove(ssLeft, c.toX, c.toY);
        view.MouseUp(mbLeft, 0, c.toX, c.toY);
        EXPECT_FALSE(band->IsDragging());
        EXPECT_EQ(band->Location(), c.expected);
        EXPECT_EQ(child->Location(), c.expected);
    }
}

TEST_F(LayerRubberband, EveryDragStepStartsFromWhereTheDragBegan) {
    view.MouseDown(mbLeft, ssLeft, 100, 139);
    view.MouseMove(ssLeft, 195, 139);  // held at the minimum width
    EXPECT_EQ(band->Location().Left, 190);
    view.MouseMove(ssLeft, 80, 139);  // and free again on the way back
    EXPECT_EQ(band->Location(), (TFloatRect{80, 100, 200, 180}));
    EXPECT_EQ(band->OldLocation(), kBand);
    view.MouseUp(mbLeft, 0, 80, 139);
}

TEST_F(LayerRubberband, ResizingHandlerSeesTheDragAndMayChangeTheResult) {
    TFloatRect seenOld{};
    TDragState seenState = dsNone;
    TShiftState seenShift = 0;
    band->OnResizing = [&](TRubberbandLayer&, const TFloatRect& oldLocation,
                           TFloatRect& newLocation, TDragState state, TShiftState shift) {
        seenOld = oldLocation;
        seenState = state;
        seenShift = shift;
        newLocation.Left = std::max(newLocation.Left, 0.0f);  // keep inside the picture
    };
    view.MouseDown(mbLeft, ssLeft, 150, 140);
    view.MouseMove(ssLeft | ssShift, 20, 140);
    EXPECT_EQ(seenOld, kBand);
    EXPECT_EQ(seenState, dsMove);
    EXPECT_EQ(seenShift, ssLeft | ssShift);
    EXPECT_EQ(band->Location(), (TFloatRect{0, 100, 70, 180}));
    EXPECT_EQ(child->Location(), band->Location());
}

TEST_F(LayerRubberband, HoverShowsTheSizingCursorOfTheZone) {
    const struct {
        int x, y;
        TCursor expected;
    } cases[] = {
        {150, 140, crSizeAll},  {100, 139, crSizeWE},   {149, 179, crSizeNS},
        {199, 179, crSizeNWSE}, {199, 100, crSizeNESW},
    };
    for (const auto& c : cases) {
        view.MouseMove(0, c.x, c.y);
        EXPECT_EQ(view.CurrentCursor(), c.expected) << c.x << "," << c.y;
        EXPECT_FALSE(band->IsDragging());
    }
}

TEST_F(LayerRubberband, ChildIsAdoptedAndKeptOnTheLocation) {
    auto& other = view.Layers().Add<TProbeLayer>("other", TFloatRect{5, 6, 7, 8});
    ASSERT_TRUE(band->SetChildLayer(&other));
    EXPECT_EQ(band->Location(), (TFloatRect{5, 6, 7, 8})) << "the band wraps itself around it";
    band->SetLocation(TFloatRect{1, 2, 30, 40});
    EXPECT_EQ(other.Location(), (TFloatRect{1, 2, 30, 40}));
    EXPECT_EQ(child->Location(), kBand) << "the former child is left alone";

    TImgView32 elsewhere;
    auto& stranger = elsewhere.Layers().Add<TProbeLayer>("stranger", TFloatRect{});
    EXPECT_FALSE(band->SetChildLayer(&stranger)) << "a layer of another view is refused";
    EXPECT_FALSE(band->SetChildLayer(band));
    EXPECT_EQ(band->ChildLayer(), &other);
}

// A band grabbed only by a 10-pixel border, the way a text box frame is:
// inside it the press must reach the layer below.
class TBorderBand : public TRubberbandLayer {
public:
    TDragState GetDragState(int x, int y) const override {
        const TDragState s = TRubberbandLayer::GetDragState(x, y);
        const TRect r = FrameRect();
        const bool inner =
            x >= r.Left + 10 && x < r.Right - 10 && y >= r.Top + 10 && y < r.Bottom - 10;
        return s == dsMove && inner ? dsNone : s;
    }
};

TEST_F(LayerRubberband, OverriddenQueryDecidesWhichPressesTheBandTakes) {
    auto& frame = view.Layers().Add<TBorderBand>();
    frame.SetHandles(rhCenter | rhFrame);
    frame.SetLocation(kBand);
    view.MouseDown(mbLeft, ssLeft, 150, 140);
    EXPECT_EQ(view.Layers().MouseListener(), band) << "inside: the layer below takes it";
    view.MouseUp(mbLeft, 0, 150, 140);
    view.MouseDown(mbLeft, ssLeft, 104, 140);
    EXPECT_EQ(view.Layers().MouseListener(), &frame) << "on the border: the frame";
    view.MouseUp(mbLeft, 0, 104, 140);
}

TEST(LayerRubberbandPaint, FrameAndHandlesFollowTheHandleSet) {
    constexpr TColor32 kBack = 0xFF336699u, kW = 0xFFFFFFFFu, kB = 0xFF000000u;
    struct Case {
        const char* name;
        TRBHandles handles;
        bool frame, corners, sides;
    } cases[] = {
        {"everything", kAll, true, true, true},
        {"frame only", rhCenter | rhFrame, true, false, false},
        {"corners only", rhCorners, false, true, false},
        {"sides only", rhSides, false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TImgView32 view;
        TBitmap32 base(60, 60);
        base.Clear(kBack);
        view.SetBitmap(base);
        auto& band = view.Layers().Add<TRubberbandLayer>();
        band.SetLocation(TFloatRect{10, 10, 51, 41});  // outline x 10..50, y 10..40
        band.SetHandles(c.handles);
        TBitmap32 out(60, 60);
        out.SetStipple(std::vector<TColor32>{0xFF123456u});
        view.PaintTo(out, out.BoundsRect());

        // Along the top edge, away from the handles: white, white, black,
        // black from the top-left corner on.
        const TColor32 dashes[] = {kW, kW, kB, kB};
        for (int x = 18; x < 24; ++x) {
            EXPECT_EQ(*out.PixelPtr(x, 10), c.frame ? dashes[(x - 10) % 4] : kBack) << x;
        }
        // Corner handle at (50, 40): white inside a black square of 7 x 7.
        if (c.corners) {
            EXPECT_EQ(*out.PixelPtr(50, 40), kW);
        } else if (!c.frame) {
            EXPECT_EQ(*out.PixelPtr(50, 40), kBack);
        }
        EXPECT_EQ(*out.PixelPtr(53, 43), c.corners ? kB : kBack);
        EXPECT_EQ(*out.PixelPtr(54, 44), kBack) << "the handle ends HandleSize past its centre";
        // Side handle at the middle of the left side, (10, 25).
        EXPECT_EQ(*out.PixelPtr(7, 25), c.sides ? kB : kBack);
        EXPECT_EQ(*out.PixelPtr(8, 25), c.sides ? kW : kBack);
        // The buffer's own stipple is given back.
        ASSERT_EQ(out.Stipple().size(), 1u);
        EXPECT_EQ(out.Stipple()[0], 0xFF123456u);
    }
}

}  // namespace
}  // namespace lg
