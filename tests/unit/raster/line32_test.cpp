#include "raster/line32.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "raster/raster_test_util.h"

namespace lg {
namespace {

constexpr TColor32 kRed = 0xFFFF0000u;
constexpr TColor32 kBlue = 0xFF0000FFu;
constexpr TColor32 kMarker = 0xAF0000FFu;  // the marker's alpha 175
constexpr TColor32 kDrawBg = 0x00FFFFFFu;  // the draw bitmap's transparent white

TLine32 LineThrough(std::initializer_list<std::pair<int, int>> pts) {
    TLine32 line;
    for (auto [x, y] : pts) line.AddPoint(FixedPoint(x, y));
    return line;
}

TEST(Line32Points, DuplicatesOfTheLastPointAreNotStored) {
    TLine32 line;
    line.AddPoint(FixedPoint(1, 1));
    line.AddPoint(FixedPoint(1, 1));
    line.AddPoint(FixedPoint(2, 1));
    line.AddPoint(FixedPoint(1, 1));  // equal to an earlier point, not to the last
    EXPECT_EQ(line.Points().size(), 3u);
    const TFixedPoint replaced[] = {FixedPoint(5, 5), FixedPoint(5, 5)};
    line.SetPoints(replaced);
    EXPECT_EQ(line.Points().size(), 2u) << "setting points stores them as given";
    line.AddPoint(FixedPoint(5, 5));
    EXPECT_EQ(line.Points().size(), 2u);
}

TEST(Line32Draw, DrawsNothingWithoutTwoDistinctPoints) {
    struct Case {
        const char* why;
        std::vector<TFixedPoint> points;
        TEndStyle ends;
        bool arrow;
    };
    const Case cases[] = {
        {"two equal points", {FixedPoint(10, 10), FixedPoint(10, 10)}, esButt, false},
        {"two equal points, rounded ends",
         {FixedPoint(10, 10), FixedPoint(10, 10)},
         esRounded,
         false},
        {"two equal points with an arrow head",
         {FixedPoint(10, 10), FixedPoint(10, 10)},
         esButt,
         true},
        {"one point", {FixedPoint(10, 10)}, esRounded, false},
        {"no point", {}, esRounded, true},
    };
    for (const Case& c : cases) {
        TBitmap32 b(30, 30);
        b.Clear(kDrawBg);
        TLine32 line;
        line.SetPoints(c.points);
        line.EndStyle = c.ends;
        if (c.arrow) {
            line.ArrowEnd.Style = asFourPoint;
            line.ArrowEnd.Size = 12;
        }
        line.Draw(b, kRed, kBlue, 6);
        EXPECT_EQ(testing::CountChanged(b, kDrawBg), 0) << c.why;
    }
    TLine32 line = LineThrough({{1, 1}, {9, 9}});
    line.Draw(nullptr, kRed, 0, 3);  // a missing bitmap: nothing, no fault
}

TEST(Line32Draw, EndsReachAsTheirStyleSays) {
    // (20, 20) to (60, 20), width 10: the body covers y 15..25.
    enum Expect { kNone, kPartial, kFull };
    struct Px {
        TEndStyle ends;
        int x, y;
        Expect e;
        const char* why;
    };
    const Px px[] = {
        {esButt, 59, 20, kFull, "flat end: last pixel before the end point"},
        {esButt, 60, 20, kNone, "flat end: cut exactly at the end point"},
        {esButt, 19, 20, kNone, "flat start: cut exactly at the start point"},
        {esButt, 40, 15, kFull, "half the width above the axis"},
        {esButt, 40, 14, kNone, "beyond half the width"},
        {esButt, 40, 24, kFull, "half the width below the axis"},
        {esButt, 40, 25, kNone, "beyond half the width below"},
        {esRounded, 62, 20, kFull, "rounded end: within the half-disc"},
        {esRounded, 64, 19, kPartial, "rounded end: its rim, 4..5 px out"},
        {esRounded, 65, 20, kNone, "rounded end: width / 2 beyond the end, no further"},
        {esRounded, 15, 19, kPartial, "rounded start: its rim"},
        {esRounded, 14, 20, kNone, "rounded start: no further"},
    };
    for (const Px& p : px) {
        TBitmap32 b(80, 40);
        b.Clear(0);
        TLine32 line = LineThrough({{20, 20}, {60, 20}});
        line.EndStyle = p.ends;
        line.Draw(b, kRed, 0, 10);
        const TColor32 got = b.PixelS(p.x, p.y);
        switch (p.e) {
            case kNone:
                EXPECT_EQ(got, 0u) << p.why;
                break;
            case kFull:
                EXPECT_EQ(got, kRed) << p.why;
                break;
            case kPartial:
                EXPECT_GT(AlphaOf(got), 0u) << p.why;
                EXPECT_LT(AlphaOf(got), 255u) << p.why;
                break;
        }
    }
}

TEST(Line32Draw, SelfCrossingStrokeKeepsOneTint) {
    const TColor32 once = BlendByAlpha(kMarker, kDrawBg);  // $785151FF
    struct Case {
        const char* why;
        TLine32 line;
        int x, y;  // a pixel where the stroke meets itself
    };
    Case cases[] = {
        {"a loop crossing itself", LineThrough({{10, 50}, {90, 50}, {90, 10}, {50, 10}, {50, 90}}),
         50, 50},
        {"there and back on itself", LineThrough({{10, 30}, {80, 30}, {20, 30}}), 50, 30},
        {"a zig-zag of sharp turns", LineThrough({{10, 70}, {90, 72}, {10, 74}, {90, 76}}), 50, 73},
    };
    for (Case& c : cases) {
        TBitmap32 b(100, 100);
        b.Clear(kDrawBg);
        c.line.EndStyle = esRounded;
        c.line.JoinStyle = jsRounded;
        c.line.Draw(b, kMarker, 0, 10);
        EXPECT_EQ(b.PixelS(c.x, c.y), once) << c.why;
        // A pixel covered twice would have moved further towards alpha $AF.
        for (TColor32 p : b.Pixels()) ASSERT_LE(AlphaOf(p), AlphaOf(once)) << c.why;
    }
}

TEST(Line32Draw, OutlineFollowsTheBoundary) {
    TBitmap32 b(80, 40);
    TLine32 line = LineThrough({{20, 20}, {60, 20}});
    line.Draw(b, kRed, kBlue, 10);
    EXPECT_EQ(b.PixelS(40, 20), kRed) << "inside stays the fill";
    EXPECT_GT(BlueOf(b.PixelS(40, 14)), 0u) << "the edge at y = 15 is outlined";
    EXPECT_GT(BlueOf(b.PixelS(40, 25)), 0u) << "the edge at y = 25 is outlined";
    EXPECT_EQ(b.PixelS(40, 12), 0u);
}

// ---- Arrow heads --------------------------------------------------------

struct ArrowCase {
    const char* why;
    Vec2 from, to;
    double size, pen;
    Vec2 base, barb1, barb2;  // worked out by hand
};

TEST(ArrowHead, GeometryAsDefined) {
    // B = T - (size + pen) * u, u the unit direction of the line; the barbs
    // sit size/sqrt(3) from B at +-60 degrees from the backward direction.
    const ArrowCase cases[] = {
        {"the arrow tool at pen width 5: size 15, outline pen 6",
         {10, 50},
         {110, 50},
         15,
         6,
         {89, 50},
         {84.6699, 57.5},
         {84.6699, 42.5}},
        {"smallest head, thin pen, pointing up",
         {50, 100},
         {50, 20},
         4,
         1,
         {50, 25},
         {48, 26.1547},
         {52, 26.1547}},
        {"a 3-4-5 diagonal",
         {0, 0},
         {30, 40},
         12,
         3,
         {21, 28},
         {23.7214, 21.6287},
         {14.1215, 28.8287}},
        {"a line shorter than the head: B beyond the first point",
         {100, 100},
         {105, 100},
         12,
         6,
         {87, 100},
         {83.5359, 106},
         {83.5359, 94}},
    };
    for (const ArrowCase& c : cases) {
        const Vec2 pts[] = {c.from, c.to};
        const ArrowGeometry g = EndArrowGeometry(pts, c.size, c.pen);
        EXPECT_NEAR(g.tip.x, c.to.x, 1e-9) << c.why;
        EXPECT_NEAR(g.tip.y, c.to.y, 1e-9) << c.why;
        EXPECT_NEAR(g.base.x, c.base.x, 1e-3) << c.why;
        EXPECT_NEAR(g.base.y, c.base.y, 1e-3) << c.why;
        // Which barb is which depends on the turning sense; take them as a pair.
        const bool swapped =
            std::abs(g.barb1.x - c.barb1.x) + std::abs(g.barb1.y - c.barb1.y) > 1e-2;
        const Vec2 b1 = swapped ? g.barb2 : g.barb1, b2 = swapped ? g.barb1 : g.barb2;
        EXPECT_NEAR(b1.x, c.barb1.x, 1e-3) << c.why;
        EXPECT_NEAR(b1.y, c.barb1.y, 1e-3) << c.why;
        EXPECT_NEAR(b2.x, c.barb2.x, 1e-3) << c.why;
        EXPECT_NEAR(b2.y, c.barb2.y, 1e-3) << c.why;
        EXPECT_NEAR(Length(g.barb1 - g.barb2), c.size, 1e-9) << c.why << ": the head is size wide";
        ASSERT_EQ(g.shaft.size(), 2u) << c.why;
        EXPECT_EQ(g.shaft.front(), c.from) << c.why;
        EXPECT_NEAR(g.shaft.back().x, c.base.x, 1e-9) << c.why << ": the shaft ends at B";
        EXPECT_NEAR(g.shaft.back().y, c.base.y, 1e-9) << c.why;
    }
}

TEST(ArrowHead, BaseIsMeasuredBackAlongAPolyline) {
    // 10 px down the last segment, the remaining 8 along the one before.
    const Vec2 pts[] = {{0, 0}, {40, 0}, {40, 10}};
    const ArrowGeometry g = EndArrowGeometry(pts, 12, 6);
    EXPECT_NEAR(g.base.x, 32, 1e-9);
    EXPECT_NEAR(g.base.y, 0, 1e-9);
    ASSERT_EQ(g.shaft.size(), 2u);
    EXPECT_EQ(g.shaft[0], (Vec2{0, 0}));
}

// The arrow tool at pen width 5: head size 15, invisible outline pen of
// width 6, so B = (99, 50) and the barbs at (94.67, 50 +- 7.5).
TLine32 ToolArrow(TColor32 penColor, float penWidth, float size = 15) {
    TLine32 line = LineThrough({{20, 50}, {120, 50}});
    line.AntialiasMode = am32times;
    line.ArrowEnd.Style = asFourPoint;
    line.ArrowEnd.Size = size;
    line.ArrowEnd.Color = kRed;
    line.ArrowEnd.Pen.Color = penColor;
    line.ArrowEnd.Pen.Width = penWidth;
    return line;
}

TEST(ArrowHead, DrawnShape) {
    TBitmap32 b(140, 100);
    TLine32 line = ToolArrow(0, 6);
    line.Draw(b, kRed, 0, 5);
    struct Px {
        int x, y;
        TColor32 want;
        const char* why;
    };
    const Px px[] = {
        {121, 50, 0, "nothing beyond the tip"},
        {121, 49, 0, "nothing beyond the tip"},
        {110, 50, kRed, "head near the tip"},
        {110, 49, kRed, "head near the tip"},
        {98, 55, kRed, "between B and the lower barb"},
        {98, 44, kRed, "between B and the upper barb"},
        {95, 54, 0, "the notch behind B, beside the shaft"},
        {60, 50, kRed, "shaft"},
        // Coverage 128: red with alpha W = 128 blended onto transparent black
        // at weight 128 gives alpha 64 and red 128.
        {60, 52, 0x40800000u, "shaft edge at y = 52.5: half covered"},
        {60, 53, 0, "beside the shaft"},
    };
    for (const Px& p : px)
        EXPECT_EQ(b.PixelS(p.x, p.y), p.want) << p.why << " (" << p.x << "," << p.y << ")";
}

TEST(ArrowHead, PenDrawsARingOrAnEdge) {
    {
        // Pen width 6 (B = (99, 50)): (105, 55) lies 0.5 .. 1.8 px outside
        // the head's lower edge, (105, 56) 1.5 .. 2.7 px: both inside a ring
        // of width 6 when the pen has a colour, untouched when it has none.
        for (TColor32 pen : {TColor32{0}, kBlue}) {
            TBitmap32 b(140, 100);
            TLine32 line = ToolArrow(pen, 6);
            line.Draw(b, kRed, 0, 5);
            EXPECT_EQ(b.PixelS(105, 55), pen);
            EXPECT_EQ(b.PixelS(105, 56), pen);
            EXPECT_EQ(b.PixelS(125, 50), 0u) << "the ring stays near the head";
        }
    }
    {
        // Pen width 1 (B = (104, 50), lower barb (99.67, 57.5)): only the
        // edge, half a pixel to each side. The lower edge crosses pixel
        // (110, 53); (110, 55) lies 1.2 .. 2.5 px outside it.
        TBitmap32 b(140, 100);
        TLine32 line = ToolArrow(kBlue, 1);
        line.Draw(b, kRed, 0, 5);
        EXPECT_GT(BlueOf(b.PixelS(110, 53)), 0u);
        EXPECT_EQ(b.PixelS(110, 55), 0u);
    }
}

TEST(ArrowHead, BelowSizeFourNoHeadAndAFullShaft) {
    TBitmap32 b(140, 100);
    TLine32 line = ToolArrow(0, 6, 3.9f);
    line.Draw(b, kRed, 0, 5);
    EXPECT_EQ(b.PixelS(119, 50), kRed) << "the shaft runs to the last point";
    EXPECT_EQ(b.PixelS(105, 54), 0u) << "no head";
}

}  // namespace
}  // namespace lg
