// The repaint area of a line must hold every pixel the line draws, or a
// figure would leave stale pixels on the screen.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "raster/bitmap32.h"
#include "raster/line32.h"
#include "tools/base_tool_layer.h"
#include "tools/figure_bounds.h"

namespace lg {
namespace {

struct BoundsCase {
    const char* name;
    std::vector<TFixedPoint> points;
    float width;
    std::function<void(TLine32&)> style;
};

TEST(FigureBounds, HoldEveryPixelTheLineDraws) {
    const std::vector<TFixedPoint> zigzag{FixedPoint(40, 40), FixedPoint(90, 60),
                                          FixedPoint(45, 75), FixedPoint(120, 80)};
    const std::vector<TFixedPoint> spike{FixedPoint(40, 100), FixedPoint(100, 90),
                                         FixedPoint(40, 80)};
    const BoundsCase cases[] = {
        {"pen: rounded ends and joins", zigzag, 8,
         [](TLine32& l) {
             l.EndStyle = esRounded;
             l.JoinStyle = jsRounded;
         }},
        {"line: flat ends, bevelled joins", zigzag, 5, [](TLine32&) {}},
        {"sharp miters", spike, 9,
         [](TLine32& l) {
             l.JoinStyle = jsMitered;
             l.MiterLimit = 4;
         }},
        {"arrow head with an invisible outline",
         {FixedPoint(40, 60), FixedPoint(130, 70)},
         3,
         [](TLine32& l) {
             l.ArrowEnd.Style = asFourPoint;
             l.ArrowEnd.Size = 12;
             l.ArrowEnd.Color = 0xFFFF0000u;
             l.ArrowEnd.Pen = {0, 6};
         }},
        {"arrow head with a ring, on a line shorter than the head",
         {FixedPoint(80, 60), FixedPoint(84, 62)},
         2,
         [](TLine32& l) {
             l.ArrowEnd.Style = asFourPoint;
             l.ArrowEnd.Size = 24;
             l.ArrowEnd.Color = 0xFFFF0000u;
             l.ArrowEnd.Pen = {0xFF0000FFu, 4};
             l.ArrowStart = l.ArrowEnd;
         }},
    };
    for (const BoundsCase& c : cases) {
        SCOPED_TRACE(c.name);
        TBitmap32 bitmap(200, 150);
        bitmap.Clear(kDrawBitmapClear);
        TLine32 line;
        c.style(line);
        line.SetPoints(c.points);
        line.Draw(bitmap, 0xFF00A040u, 0xFF000000u, c.width);
        const TRect bounds = LineBounds(line);
        int drawn = 0, outside = 0;
        for (int y = 0; y < bitmap.Height(); ++y) {
            for (int x = 0; x < bitmap.Width(); ++x) {
                if (*bitmap.PixelPtr(x, y) == kDrawBitmapClear) continue;
                ++drawn;
                outside +=
                    x < bounds.Left || x >= bounds.Right || y < bounds.Top || y >= bounds.Bottom;
            }
        }
        EXPECT_GT(drawn, 0);
        EXPECT_EQ(outside, 0);
    }
}

TEST(FigureBounds, EmptyForALineThatDrawsNothing) {
    TLine32 line;
    EXPECT_TRUE(LineBounds(line).IsEmpty());
    const TFixedPoint same[] = {FixedPoint(5, 5), FixedPoint(5, 5)};
    line.SetPoints(same);
    EXPECT_TRUE(LineBounds(line).IsEmpty());
}

}  // namespace
}  // namespace lg
