// Which parts of the view become dirty when layers change, and how changes
// made while painting are kept from repainting forever.
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "layer_test_support.h"
#include "layers/bitmap_layer.h"
#include "layers/dirty_region.h"
#include "layers/img_view32.h"
#include "layers/rubberband_layer.h"

namespace lg {
namespace {

using layers_test::FullPaint;
using layers_test::Pattern;
using layers_test::Str;
using layers_test::Strs;
using layers_test::TProbeLayer;

constexpr TColor32 kRed = 0xFFFF0000u;

struct RegionCase {
    const char* name;
    std::vector<TRect> added;
    std::vector<TRect> expected;
};

TEST(LayerDirtyRegion, MergesOnlyWhereItSavesWork) {
    constexpr int kMin = std::numeric_limits<int>::min(), kMax = std::numeric_limits<int>::max();
    std::vector<TRect> many, manyBox{{0, 0, 161, 1}};
    for (int i = 0; i <= 16; ++i) many.push_back(TRect{10 * i, 0, 10 * i + 1, 1});
    const RegionCase cases[] = {
        {"empty rectangles add nothing", {{5, 5, 5, 10}, {5, 5, 9, 4}}, {}},
        {"a contained one adds nothing", {{0, 0, 10, 10}, {2, 2, 5, 5}}, {{0, 0, 10, 10}}},
        {"a containing one replaces", {{2, 2, 5, 5}, {0, 0, 10, 10}}, {{0, 0, 10, 10}}},
        {"halves side by side", {{0, 0, 10, 10}, {10, 0, 20, 10}}, {{0, 0, 20, 10}}},
        {"a layer moved a little", {{10, 10, 30, 30}, {12, 10, 32, 30}}, {{10, 10, 32, 30}}},
        {"far apart",
         {{0, 0, 10, 10}, {100, 100, 110, 110}},
         {{0, 0, 10, 10}, {100, 100, 110, 110}}},
        {"touching corners only",
         {{0, 0, 10, 10}, {10, 10, 20, 20}},
         {{0, 0, 10, 10}, {10, 10, 20, 20}}},
        {"an L whose box is mostly waste",
         {{0, 0, 10, 100}, {0, 90, 100, 100}},
         {{0, 0, 10, 100}, {0, 90, 100, 100}}},
        {"a bridge joins a chain",
         {{0, 0, 10, 10}, {20, 0, 30, 10}, {10, 0, 20, 10}},
         {{0, 0, 30, 10}}},
        {"too many collapse into their box", many, manyBox},
        {"halves of the whole int plane (areas beyond 64 bits)",
         {{kMin, kMin, kMax, 0}, {kMin, 0, kMax, kMax}},
         {{kMin, kMin, kMax, kMax}}},
    };
    for (const RegionCase& c : cases) {
        SCOPED_TRACE(c.name);
        TDirtyRegion region;
        for (const TRect& r : c.added) region.Add(r);
        EXPECT_EQ(Strs(region.Take()), Strs(c.expected));
        EXPECT_TRUE(region.Empty());
    }
}

// A 200 x 200 view with one red layer at (10, 10)-(30, 30), its dirt taken.
class LayerDirtyRects : public ::testing::Test {
protected:
    LayerDirtyRects() {
        view.SetBitmap(TBitmap32(200, 200));
        layer = &view.Layers().Add<TProbeLayer>("L", TFloatRect{10, 10, 30, 30}, kRed);
        view.TakeDirtyRects();
    }

    TImgView32 view;
    TProbeLayer* layer;
};

struct ChangeCase {
    const char* name;
    std::function<void(TImgView32&, TProbeLayer&)> change;
    std::vector<TRect> expected;
};

TEST_F(LayerDirtyRects, ChangesMarkTheOldAndNewAreas) {
    const TRect old{10, 10, 30, 30};
    const ChangeCase cases[] = {
        {"moved far: both places",
         [](TImgView32&, TProbeLayer& l) {
             l.SetLocation(TFloatRect{100, 100, 120, 120});
         },
         {old, {100, 100, 120, 120}}},
        {"moved a little: one rectangle",
         [](TImgView32&, TProbeLayer& l) {
             l.SetLocation(TFloatRect{12, 10, 32, 30});
         },
         {{10, 10, 32, 30}}},
        {"fractions round outwards",
         [](TImgView32&, TProbeLayer& l) {
             l.SetLocation(TFloatRect{100.5f, 100.5f, 120.2f, 120.7f});
         },
         {old, {100, 100, 121, 121}}},
        {"resized",
         [](TImgView32&, TProbeLayer& l) {
             l.SetLocation(TFloatRect{10, 10, 50, 30});
         },
         {{10, 10, 50, 30}}},
        {"same location",
         [](TImgView32&, TProbeLayer& l) {
             l.SetLocation(TFloatRect{10, 10, 30, 30});
         },
         {}},
        {"hidden", [](TImgView32&, TProbeLayer& l) { l.SetVisible(false); }, {old}},
        {"content changed", [](TImgView32&, TProbeLayer& l) { l.SetFill(0xFF00FF00u); }, {old}},
        {"part of the content changed",
         [](TImgView32&, TProbeLayer& l) {
             l.Changed(TRect{12, 12, 14, 14});
         },
         {{12, 12, 14, 14}}},
        {"hidden layer moved or changed",
         [](TImgView32& v, TProbeLayer& l) {
             l.SetVisible(false);
             v.TakeDirtyRects();
             l.SetLocation(TFloatRect{100, 100, 120, 120});
             l.Changed();
         },
         {}},
        {"mouse events switched off",
         [](TImgView32&, TProbeLayer& l) { l.SetMouseEvents(false); },
         {}},
        {"a no-update layer's own changes",
         [](TImgView32&, TProbeLayer& l) {
             l.SetLayerOptions(l.LayerOptions() | loNoUpdate);
             l.SetLocation(TFloatRect{100, 100, 120, 120});
             l.Changed();
             l.SetVisible(false);
         },
         {}},
        {"Update repaints even a no-update layer",
         [](TImgView32&, TProbeLayer& l) {
             l.SetLayerOptions(l.LayerOptions() | loNoUpdate);
             l.Update();
         },
         {old}},
        {"deleted", [](TImgView32& v, TProbeLayer& l) { v.Layers().Delete(l.Index()); }, {old}},
        {"added",
         [](TImgView32& v, TProbeLayer&) {
             v.Layers().Add<TProbeLayer>("new", TFloatRect{50, 50, 60, 60});
         },
         {{50, 50, 60, 60}}},
        {"cut to the view",
         [](TImgView32&, TProbeLayer& l) {
             l.SetLocation(TFloatRect{190, -5, 230, 20});
         },
         {old, {190, 0, 200, 20}}},
        {"a new bitmap repaints everything",
         [](TImgView32& v, TProbeLayer&) { v.SetBitmap(TBitmap32(200, 200)); },
         {{0, 0, 200, 200}}},
        {"the host's client size bounds everything",
         [](TImgView32& v, TProbeLayer& l) {
             v.SetClientSize(100, 50);
             l.SetLocation(TFloatRect{100, 100, 120, 120});
         },
         {{0, 0, 100, 50}}},
    };
    for (const ChangeCase& c : cases) {
        SCOPED_TRACE(c.name);
        TImgView32 v;
        v.SetBitmap(TBitmap32(200, 200));
        auto& l = v.Layers().Add<TProbeLayer>("L", TFloatRect{10, 10, 30, 30}, kRed);
        v.TakeDirtyRects();
        c.change(v, l);
        EXPECT_EQ(Strs(v.TakeDirtyRects()), Strs(c.expected));
    }
}

TEST_F(LayerDirtyRects, HostHearsOfEveryRectangle) {
    std::vector<TRect> heard;
    view.OnInvalidate = [&](const TRect& r) { heard.push_back(r); };
    layer->SetLocation(TFloatRect{100, 100, 120, 120});
    EXPECT_EQ(Strs(heard), Strs({{10, 10, 30, 30}, {100, 100, 120, 120}}));
}

// Every step of an editing session: whatever changes on screen lies inside
// the dirty rectangles, and repainting just those gives the full picture.
TEST(LayerDirtyRectsScene, RepaintingTheDirtyRectanglesGivesTheFullPicture) {
    constexpr int kW = 120, kH = 90;
    TImgView32 view;
    view.SetBitmap(Pattern(kW, kH));
    auto& draw = view.Layers().Add<TBitmapLayer>();
    draw.Bitmap().SetSize(kW, kH);
    draw.Bitmap().SetDrawMode(dmBlend);
    draw.SetLocation(TFloatRect{0, 0, kW, kH});
    auto& box = view.Layers().Add<TProbeLayer>("box", TFloatRect{20, 20, 50, 40}, 0xFF00FF00u);
    auto& band = view.Layers().Add<TRubberbandLayer>();
    band.SetChildLayer(&box);

    const std::pair<const char*, std::function<void()>> steps[] = {
        {"press inside the band", [&] { view.MouseDown(mbLeft, ssLeft, 30, 30); }},
        {"drag it", [&] { view.MouseMove(ssLeft, 70, 55); }},
        {"release", [&] { view.MouseUp(mbLeft, 0, 70, 55); }},
        {"grab the bottom-right handle", [&] { view.MouseDown(mbLeft, ssLeft, 89, 64); }},
        {"resize", [&] { view.MouseMove(ssLeft, 110, 80); }},
        {"shrink below the minimum", [&] { view.MouseMove(ssLeft, 0, 0); }},
        {"release the handle", [&] { view.MouseUp(mbLeft, 0, 0, 0); }},
        {"bigger handles", [&] { band.SetHandleSize(6); }},
        {"draw a figure into the draw layer",
         [&] {
             draw.Bitmap().FillRectTS(5, 60, 40, 85, 0x80FF0000u);
             draw.Changed(TRect{5, 60, 40, 85});
         }},
        {"frame without handles", [&] { band.SetHandles(rhCenter | rhFrame); }},
        {"hide the band", [&] { band.SetVisible(false); }},
        {"delete the box", [&] { view.Layers().Delete(box.Index()); }},
        {"show the band", [&] { band.SetVisible(true); }},
        {"move it off the edge",
         [&] {
             band.SetLocation(TFloatRect{100, -10, 140, 30});
         }},
    };
    TBitmap32 screen = FullPaint(view, kW, kH);
    view.TakeDirtyRects();
    for (const auto& [name, step] : steps) {
        SCOPED_TRACE(name);
        step();
        view.PaintDirtyRects(screen);
        const TBitmap32 full = FullPaint(view, kW, kH);
        view.TakeDirtyRects();
        for (int y = 0; y < kH; ++y) {
            for (int x = 0; x < kW; ++x) {
                ASSERT_EQ(*screen.PixelPtr(x, y), *full.PixelPtr(x, y))
                    << x << "," << y << " lies outside every dirty rectangle";
            }
        }
    }
}

// A layer that redraws in its paint hook and says so.
TEST_F(LayerDirtyRects, ChangesMadeWhilePaintingCostOneFollowUpPaint) {
    int hookRuns = 0;
    bool paintingSeen = false;
    layer->OnPaint = [&](TCustomLayer& self, TBitmap32&) {
        ++hookRuns;
        paintingSeen = view.Painting();
        self.Changed();
    };
    TBitmap32 screen(200, 200);
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        hookRuns = 0;
        layer->Changed();  // a change from outside, e.g. a timer
        int paints = 0;
        while (view.HasDirtyRects() && paints < 10) {
            view.PaintDirtyRects(screen);
            ++paints;
        }
        EXPECT_EQ(paints, 2) << "the paint and one follow-up, then quiet";
        EXPECT_EQ(hookRuns, 2);
        EXPECT_TRUE(paintingSeen);
    }
    // A repaint the host asks for by itself (an exposed window) starts no
    // follow-up either.
    view.PaintArea(screen, TRect{0, 0, 200, 200});
    EXPECT_FALSE(view.HasDirtyRects());
    EXPECT_FALSE(view.Painting());
}

// A tool that only draws its figure when painted, into the draw layer below
// it. The lower layer was already painted when the hook runs, so the
// follow-up paint is what brings the new figure to the screen.
TEST(LayerDirtyRectsHook, LowerLayerShowsWhatAHookDrewIntoIt) {
    constexpr int kW = 80, kH = 60;
    constexpr TColor32 kFigure = 0xFF0000FFu;
    TImgView32 view;
    view.SetBitmap(Pattern(kW, kH));
    auto& draw = view.Layers().Add<TBitmapLayer>();
    draw.Bitmap().SetSize(kW, kH);
    draw.Bitmap().SetDrawMode(dmBlend);
    draw.SetLocation(TFloatRect{0, 0, kW, kH});
    auto& tool = view.Layers().Add<TPositionedLayer>();
    tool.SetLocation(TFloatRect{0, 0, kW, kH});
    TRect figure{10, 10, 20, 20}, drawn{};
    tool.OnPaint = [&](TCustomLayer&, TBitmap32&) {
        draw.Bitmap().Clear(0x00FFFFFFu);
        draw.Bitmap().FillRectTS(figure, kFigure);
        draw.Changed(UnionRect(drawn, figure));
        drawn = figure;
    };
    TBitmap32 screen = FullPaint(view, kW, kH);
    view.TakeDirtyRects();

    // The mouse moved: the tool asks for a repaint of the figure's old and
    // new places, and leaves the drawing to its paint hook.
    const TRect moved{40, 30, 60, 45};
    view.InvalidateRect(UnionRect(figure, moved));
    figure = moved;
    for (int paints = 0; view.HasDirtyRects() && paints < 10; ++paints)
        view.PaintDirtyRects(screen);

    EXPECT_EQ(*screen.PixelPtr(50, 40), kFigure) << "the new figure shows";
    EXPECT_NE(*screen.PixelPtr(15, 15), kFigure) << "the old one is gone";
    const TBitmap32 full = FullPaint(view, kW, kH);
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) ASSERT_EQ(*screen.PixelPtr(x, y), *full.PixelPtr(x, y));
    }
}

}  // namespace
}  // namespace lg
