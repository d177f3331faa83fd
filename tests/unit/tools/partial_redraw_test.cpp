// The tools redraw only what a move changes (clearing the last figure's
// box, re-blurring the blur's edge bands, redrawing the stroke near its new
// end); after any drag the pixels must be those of drawing the figure
// afresh, and the host's back buffer those of a full paint of the view.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "layers/bitmap_layer.h"
#include "layers/dirty_region.h"
#include "layers/img_view32.h"
#include "layers/positioned_layer.h"
#include "raster/bitmap32.h"
#include "raster/line32.h"
#include "settings/settings.h"
#include "tools/base_pl_tool_layer.h"
#include "tools/light_tool_layer.h"
#include "tools/tool_classes.h"
#include "tools/tr_pl_tool_layer.h"

namespace lg {
namespace {

constexpr int kW = 160, kH = 120;
constexpr TFloatRect kAll{0, 0, kW, kH};

// The capture view as the capture window lays it out, over a random
// picture, with a host that paints what the view marks dirty together with
// what the system would expose (the box of all invalidations).
struct Scene {
    explicit Scene(const TBitmap32& picture) {
        view.SetBitmap(picture);
        draw = &view.Layers().Add<TBitmapLayer>();
        draw->Bitmap().SetSize(kW, kH);
        draw->Bitmap().Clear(kDrawBitmapClear);
        draw->Bitmap().SetDrawMode(dmBlend);
        draw->Bitmap().SetCombineMode(cmBlend);
        draw->SetLocation(kAll);
        view.Layers().Add<TPositionedLayer>().SetMouseEvents(false);
        view.OnInvalidate = [this](const TRect& r) { exposed = UnionRect(exposed, r); };
        buffer.SetSize(kW, kH);
        Paint();
    }
    void Paint() {
        view.PaintDirtyRects(buffer, exposed);
        exposed = TRect{};
    }
    TBitmap32 FullPaint() {
        TBitmap32 screen(kW, kH);
        view.PaintTo(screen, screen.BoundsRect());
        return screen;
    }
    TImgView32 view;
    TBitmapLayer* draw = nullptr;
    TBitmap32 buffer;
    TRect exposed;
};

bool Same(const TBitmap32& a, const TBitmap32& b) {
    return std::equal(a.Pixels().begin(), a.Pixels().end(), b.Pixels().begin());
}

class PartialRedraw : public ::testing::Test {
protected:
    PartialRedraw() : saved_(LGSettings()), picture_(kW, kH) {
        std::uniform_int_distribution<std::uint32_t> any;
        for (TColor32& p : picture_.Pixels()) p = any(rng_) | 0xFF000000u;
    }
    ~PartialRedraw() override { LGSettings() = saved_; }

    // A drag wandering over the view and past its edges, with sharp turns.
    std::vector<TPoint> Walk(int moves) {
        std::uniform_int_distribution<int> x(-20, kW + 20), y(-20, kH + 20), step(-25, 25);
        std::vector<TPoint> pts{{x(rng_) / 2 + kW / 4, y(rng_) / 2 + kH / 4}};
        for (int i = 0; i < moves; ++i) {
            const TPoint& p = pts.back();
            pts.push_back(i % 7 == 6 ? TPoint{x(rng_), y(rng_)}
                                     : TPoint{p.X + step(rng_), p.Y + step(rng_)});
        }
        return pts;
    }

    TLGSettings saved_;
    std::mt19937 rng_{2024u};
    TBitmap32 picture_;
};

TEST_F(PartialRedraw, TwoPointToolsEqualAFreshFigureAfterRandomDrags) {
    LGSettings().penwidth = 4;
    LGSettings().pencolor = 0xFF20C040u;
    for (TCurTool kind : {ctLine, ctArrow, ctRect, ctFillRect, ctRectGaus, ctTrRect}) {
        for (int drag = 0; drag < 3; ++drag) {
            SCOPED_TRACE("tool " + std::to_string(kind) + ", drag " + std::to_string(drag));
            Scene scene(picture_);
            ASSERT_NE(CreateToolLayer(kind, scene.view, kAll, scene.draw->Bitmap()), nullptr);
            const std::vector<TPoint> pts = Walk(30);
            scene.view.MouseDown(mbLeft, 0, pts[0].X, pts[0].Y);
            scene.Paint();
            for (std::size_t i = 1; i < pts.size(); ++i) {
                const bool last = i + 1 == pts.size();
                scene.view.MouseMove(ssLeft, pts[i].X, pts[i].Y);
                // After the release the capture window takes the figure and
                // drops the layer: no paint runs the finished layer's hook,
                // which would lay an opaque figure over itself once more.
                if (last)
                    scene.view.MouseUp(mbLeft, 0, pts[i].X, pts[i].Y);
                else
                    scene.Paint();

                Scene fresh(picture_);
                CreateToolLayer(kind, fresh.view, kAll, fresh.draw->Bitmap());
                fresh.view.MouseDown(mbLeft, 0, pts[0].X, pts[0].Y);
                fresh.view.MouseMove(ssLeft, pts[i].X, pts[i].Y);
                if (last) fresh.view.MouseUp(mbLeft, 0, pts[i].X, pts[i].Y);
                ASSERT_TRUE(Same(scene.draw->Bitmap(), fresh.draw->Bitmap())) << "move " << i;
                if (!last) {
                    ASSERT_TRUE(Same(scene.buffer, scene.FullPaint())) << "move " << i;
                }
            }
        }
    }
}

// The pen and the marker against the stroke drawn whole into a clear draw
// bitmap, with the colour changed once mid-stroke (which must recolour
// the whole stroke).
TEST_F(PartialRedraw, StrokesEqualTheWholeStrokeDrawnAfterRandomDrags) {
    for (TCurTool kind : {ctPen, ctTrPen}) {
        for (int width : {1, 5}) {
            SCOPED_TRACE("tool " + std::to_string(kind) + ", width " + std::to_string(width));
            LGSettings().penwidth = width;
            LGSettings().pencolor = 0xFFE03010u;
            Scene scene(picture_);
            auto* tool = dynamic_cast<TBasePLToolLayer*>(
                CreateToolLayer(kind, scene.view, kAll, scene.draw->Bitmap()));
            ASSERT_NE(tool, nullptr);
            std::uint32_t now = 1000;
            tool->SetTickSource([&now] { return now; });
            const std::vector<TPoint> pts = Walk(40);
            scene.view.MouseDown(mbLeft, 0, pts[0].X, pts[0].Y);
            for (std::size_t i = 1; i < pts.size(); ++i) {
                if (i == 25) LGSettings().pencolor = 0xFF1040E0u;
                now += 40;
                scene.view.MouseMove(ssLeft, pts[i].X, pts[i].Y);
                scene.Paint();

                TBitmap32 whole(kW, kH);
                whole.Clear(kDrawBitmapClear);
                whole.SetCombineMode(cmBlend);
                TLine32 line;
                line.EndStyle = esRounded;
                line.JoinStyle = jsRounded;
                line.AddPoints(tool->Stroke().Points());
                const TColor32 pen = LGSettings().pencolor;
                const bool marker = kind == ctTrPen;
                line.Draw(whole, marker ? (pen & 0x00FFFFFFu) | kTranslucentAlpha : pen, 0,
                          static_cast<float>(marker ? kMarkerWidthFactor * width : width));
                ASSERT_TRUE(Same(scene.draw->Bitmap(), whole)) << "move " << i;
                ASSERT_TRUE(Same(scene.buffer, scene.FullPaint())) << "move " << i;
            }
        }
    }
}

}  // namespace
}  // namespace lg
