// The figures at 100, 150 and 200 %: a capture annotated on a scaled
// display looks like the same capture at 100 %, only larger.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "raster/fake_text_rasterizer.h"
#include "raster/text_rasterizer.h"
#include "settings/settings.h"
#include "tool_test_support.h"
#include "tools/stamp_counter.h"
#include "tools/stamp_tool_layer.h"
#include "tools/tick_source.h"
#include "tools/tool_classes.h"
#include "tools/tool_point.h"

namespace lg {
namespace {

using tools_test::CaptureView;
using tools_test::kViewH;
using tools_test::kViewW;

// The whole view: every press lands on the tool.
constexpr TFloatRect kEverywhere{0, 0, kViewW, kViewH};
constexpr TColor32 kPen = 0xFF2040C0u;

class ToolScale : public CaptureView {
protected:
    ToolScale() : savedCounter_(StampCounter()) {
        SetDefaultTextRasterizer(&text_);
        SetDefaultTickSource([this] { return now_; });
        LGSettings().pencolor = kPen;
    }
    ~ToolScale() override {
        SetDefaultTickSource(nullptr);
        SetDefaultTextRasterizer(nullptr);
        StampCounter() = savedCounter_;
    }

    // One figure of `kind` at `dpi` through `points` (press, moves far
    // enough apart in space and time for the pen, release at the last),
    // left in the draw bitmap.
    void Figure(TCurTool kind, int dpi, const std::vector<TPoint>& points) {
        TBaseToolLayer* tool = CreateToolLayer(kind, view, kEverywhere, Draw(), DisplayScale(dpi));
        ASSERT_NE(tool, nullptr);
        ASSERT_EQ(tool->Scale().Dpi(), dpi);
        view.MouseDown(mbLeft, ssLeft, points.front().X, points.front().Y);
        for (std::size_t i = 1; i < points.size(); ++i) {
            now_ += 40;
            view.MouseMove(ssLeft, points[i].X, points[i].Y);
        }
        view.MouseUp(mbLeft, 0, points.back().X, points.back().Y);
        view.Layers().Delete(tool->Index());
    }

    // The draw bitmap's summed alpha: the figure's area weighted by its
    // opacity.
    double Ink() {
        double sum = 0;
        for (TColor32 p : Draw().Pixels()) sum += p >> 24;
        return sum / 255.0;
    }

    // Across the figure along column x: its summed alpha over the alpha
    // where it is fully covered (how many pixels wide it is), and how many
    // pixels are fully covered.
    struct Profile {
        double width = 0;
        int solid = 0;
    };
    Profile ProfileAtColumn(int x) {
        std::uint32_t top = 0;
        for (int y = 0; y < kViewH; ++y) top = std::max(top, *Draw().PixelPtr(x, y) >> 24);
        Profile p;
        if (top == 0) return p;
        for (int y = 0; y < kViewH; ++y) {
            const std::uint32_t a = *Draw().PixelPtr(x, y) >> 24;
            p.width += static_cast<double>(a) / top;
            p.solid += a == top;
        }
        return p;
    }

    testing::FakeTextRasterizer text_;
    std::uint32_t now_ = 1000;
    int savedCounter_;
};

TEST_F(ToolScale, StrokeWidthsAreThePenWidthTimesTheScale) {
    struct Case {
        const char* name;
        TCurTool kind;
        int penwidth;
        int dpi;
        double width;
        int solid;  // pixels fully covered across the stroke
    };
    const Case cases[] = {
        {"line at 100 %: as set", ctLine, 3, 96, 3, 2},
        {"line at 150 %", ctLine, 3, 144, 4.5, 4},
        {"line of width 3 at 200 %: 6 pixels", ctLine, 3, 192, 6, 6},
        {"pen at 100 %", ctPen, 2, 96, 2, 2},
        {"pen at 200 %", ctPen, 2, 192, 4, 4},
        {"marker at 100 %: five pen widths", ctTrPen, 3, 96, 15, 14},
        {"marker at 150 %", ctTrPen, 3, 144, 22.5, 22},
        {"marker at 200 %", ctTrPen, 3, 192, 30, 30},
        {"the setting's widest pen at 200 %", ctLine, 8, 192, 16, 16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LGSettings().penwidth = c.penwidth;
        Figure(c.kind, c.dpi, {{20, 75}, {100, 75}, {180, 75}});
        const Profile p = ProfileAtColumn(60);
        // Anti-aliased edges are sampled, not integrated: a stroke whose
        // edges fall inside pixels measures up to half a pixel short.
        EXPECT_NEAR(p.width, c.width, 0.5);
        EXPECT_EQ(p.solid, c.solid);
        EXPECT_EQ(LGSettings().penwidth, c.penwidth) << "the stored width is not scaled";
    }
}

// Every figure drawn through points scaled by f covers f² times the area
// it covers at 100 %: heads, joins, caps and the stamp's disc scale with
// the strokes.
TEST_F(ToolScale, FiguresThroughScaledPointsCoverTheScaledArea) {
    struct Case {
        const char* name;
        TCurTool kind;
        std::vector<TPoint> points;  // at 100 %
    };
    const std::vector<Case> cases = {
        {"line", ctLine, {{10, 10}, {60, 40}}},
        {"arrow, head at the release end", ctArrow, {{10, 10}, {40, 30}, {80, 60}}},
        {"rectangle outline", ctRect, {{10, 10}, {50, 30}, {80, 60}}},
        {"pen", ctPen, {{10, 10}, {30, 20}, {40, 50}, {80, 60}}},
        {"marker", ctTrPen, {{10, 10}, {30, 20}, {40, 50}, {80, 60}}},
        {"stamp", ctStamp, {{50, 36}}},
    };
    LGSettings().penwidth = 2;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Figure(c.kind, 96, c.points);
        const double ink96 = Ink();
        ASSERT_GT(ink96, 0);
        for (const int dpi : {144, 192}) {
            SCOPED_TRACE(dpi);
            std::vector<TPoint> scaled;
            for (const TPoint& p : c.points) scaled.push_back({p.X * dpi / 96, p.Y * dpi / 96});
            Figure(c.kind, dpi, scaled);
            // The sampled edges of a thin stroke fall short by a larger
            // part of its width, so wider ones gain a little more than f²;
            // an unscaled width would gain only about f.
            const double f = dpi / 96.0;
            EXPECT_NEAR(Ink() / ink96, f * f, 0.15 * f * f);
        }
    }
}

TEST_F(ToolScale, TheStampsNumberStaysInsideItsDisc) {
    struct Case {
        int dpi;
        double radius;
    };
    const Case cases[] = {{96, 20}, {144, 30}, {192, 40}};
    const int cx = 100, cy = 75;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dpi);
        StampCounter() = 8;
        text_.drawn.clear();
        Figure(ctStamp, c.dpi, {{cx, cy}});
        ASSERT_FALSE(text_.drawn.empty());
        EXPECT_EQ(text_.drawn.back().Dpi, c.dpi) << "23 points at the display's DPI";
        EXPECT_EQ(Draw().Font().Dpi, 0) << "the draw bitmap's own font is left as it was";

        int white = 0;
        for (int y = 0; y < kViewH; ++y) {
            for (int x = 0; x < kViewW; ++x) {
                const TColor32 p = *Draw().PixelPtr(x, y);
                if (p == kDrawBitmapClear) continue;
                const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
                EXPECT_LE(d, c.radius + 1.5) << x << "," << y << ": only the disc is drawn";
                if (p == kStampTextColor) {
                    ++white;
                    EXPECT_LE(d, c.radius - 1) << x << "," << y << ": the number is on the disc";
                }
            }
        }
        EXPECT_GT(white, 0);
        EXPECT_EQ(*Draw().PixelPtr(cx, cy - static_cast<int>(c.radius) + 1), kPen);
    }
}

// Text twice as large needs a box twice as wide to be hidden as well: one
// bright column spreads over 2r + 1 columns.
TEST_F(ToolScale, TheBlurRadiusGrowsWithTheScale) {
    struct Case {
        int dpi;
        int spread;
    };
    const Case cases[] = {{96, 11}, {144, 17}, {192, 21}};
    for (TColor32& p : view.Bitmap().Pixels()) p = 0xFF000000u;
    for (int y = 0; y < kViewH; ++y) *view.Bitmap().PixelPtr(100, y) = 0xFFFFFFFFu;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dpi);
        Figure(ctRectGaus, c.dpi, {{60, 40}, {140, 110}});
        int spread = 0;
        for (int x = 60; x < 140; ++x) spread += *Draw().PixelPtr(x, 75) != 0xFF000000u;
        EXPECT_EQ(spread, c.spread);
    }
}

}  // namespace
}  // namespace lg
