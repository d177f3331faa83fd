// The position bar: how values map to pixels and back, how its setters
// clamp, which notifications a click, a drag and a right click give (driven
// through the control host as the window drives it), and where the bar and
// its thumb are painted at 96 DPI and at twice that.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

#include "controls/control_host.h"
#include "controls/posbar.h"
#include "controls/posbar_art.h"
#include "controls/posbar_geometry.h"

namespace lg {
namespace {

constexpr std::int64_t kI64Min = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kI64Max = std::numeric_limits<std::int64_t>::max();

TBitmap32 Solid(int w, int h, TColor32 c) {
    TBitmap32 b(w, h);
    b.Clear(c);
    return b;
}

// ---- Geometry ----------------------------------------------------------

TEST(PosbarGeometryTest, LayoutOfTheTrack) {
    const struct {
        const char* why;
        PosbarExtents e;
        PosbarLayout expected;
    } cases[] = {
        {"no pictures: the whole width, bar centred",
         {150, 24, 0, 0, 0, 10, true, false},
         {0, 150, 7, 10}},
        {"a thumb keeps half its width free at each end",
         {87, 16, 16, 0, 0, 6, true, false},
         {8, 71, 5, 6}},
        {"an odd thumb: its half is truncated, the track loses all of it",
         {87, 16, 15, 0, 0, 6, true, false},
         {7, 72, 5, 6}},
        {"cut mode adds both handles' widths", {116, 24, 0, 8, 6, 10, true, true}, {8, 102, 7, 10}},
        {"handles count only in cut mode", {116, 24, 0, 8, 6, 10, true, false}, {0, 116, 7, 10}},
        {"a hidden bar has no margin, offset or thickness",
         {116, 24, 16, 8, 6, 10, false, true},
         {0, 116, 0, 0}},
        {"odd leftover: the offset truncates", {100, 15, 0, 0, 0, 6, true, false}, {0, 100, 4, 6}},
    };
    for (const auto& c : cases) {
        const PosbarLayout l = ComputePosbarLayout(c.e);
        EXPECT_EQ(l.margin, c.expected.margin) << c.why;
        EXPECT_EQ(l.length, c.expected.length) << c.why;
        EXPECT_EQ(l.barOffset, c.expected.barOffset) << c.why;
        EXPECT_EQ(l.barSize, c.expected.barSize) << c.why;
    }
}

TEST(PosbarGeometryTest, ValueToPixel) {
    const struct {
        const char* why;
        std::int64_t value, min, max;
        int length;
        std::int64_t expected;
    } cases[] = {
        {"start", 0, 0, 100, 200, 0},
        {"end", 100, 0, 100, 200, 200},
        {"middle", 50, 0, 100, 200, 100},
        {"0.5 rounds down to even", 10, 0, 100, 5, 0},
        {"1.5 rounds up to even", 30, 0, 100, 5, 2},
        {"2.5 rounds down to even", 50, 0, 100, 5, 2},
        {"the width picker's 4 of 1..8 on 71 px (30.43)", 4, 1, 8, 71, 30},
        {"an empty range puts the value at the start", 5, 5, 5, 100, 0},
        {"a reversed range maps backwards", 25, 100, 0, 100, 75},
        {"outside the range is not clamped", 150, 0, 100, 100, 150},
        {"the widest range does not overflow", kI64Max, kI64Min, kI64Max, 100, 100},
        {"a value far outside saturates", kI64Max, 0, 1, 100, std::int64_t{1} << 30},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PosbarValueToPixel(c.value, c.min, c.max, c.length), c.expected) << c.why;
    }
}

TEST(PosbarGeometryTest, PixelToValue) {
    const struct {
        const char* why;
        std::int64_t pixel, min, max;
        int length;
        std::int64_t expected;
    } cases[] = {
        {"start", 0, 10, 20, 100, 10},
        {"end", 100, 10, 20, 100, 20},
        {"middle", 50, 10, 20, 100, 15},
        {"before the start clamps to Min", -40, 10, 20, 100, 10},
        {"beyond the end clamps to Max", 400, 10, 20, 100, 20},
        {"0.5 rounds down to even", 1, 0, 2, 4, 0},
        {"1.5 rounds up to even", 3, 0, 2, 4, 2},
        {"the width picker: 30 of 71 px is 3.96 + 1", 30, 1, 8, 71, 4},
        {"a track of no length gives Min", 5, 3, 9, 0, 3},
        {"a track of negative length gives Min", 5, 3, 9, -4, 3},
        {"an empty range gives its value", 37, 5, 5, 100, 5},
        {"Min above Max: Min wins", 50, 9, 3, 100, 9},
        {"the widest range reaches both ends exactly", 100, kI64Min, kI64Max, 100, kI64Max},
        {"the widest range, start", 0, kI64Min, kI64Max, 100, kI64Min},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PosbarPixelToValue(c.pixel, c.min, c.max, c.length), c.expected) << c.why;
    }
}

// ---- Setters -------------------------------------------------------------

struct Values {
    std::int64_t min, max, position, cutBegin, cutEnd, minCutSize;
    friend bool operator==(const Values&, const Values&) = default;
};

Values ValuesOf(const TPosbar& b) {
    return {b.Min(), b.Max(), b.Position(), b.CutBegin(), b.CutEnd(), b.MinCutSize()};
}

void PrintTo(const Values& v, std::ostream* os) {
    *os << "{" << v.min << ", " << v.max << ", " << v.position << ", " << v.cutBegin << ", "
        << v.cutEnd << ", " << v.minCutSize << "}";
}

TEST(PosbarTest, SettersClamp) {
    using Apply = std::function<void(TPosbar&)>;
    const struct {
        const char* why;
        Apply apply;
        Values expected;  // Min, Max, Position, CutBegin, CutEnd, MinCutSize
    } cases[] = {
        {"construction", [](TPosbar&) {}, {0, 100, 50, 0, 100, 0}},
        {"Position above Max", [](TPosbar& b) { b.SetPosition(150); }, {0, 100, 100, 0, 100, 0}},
        {"Position below Min", [](TPosbar& b) { b.SetPosition(-5); }, {0, 100, 0, 0, 100, 0}},
        {"Min above Position pulls it up",
         [](TPosbar& b) { b.SetMin(60); },
         {60, 100, 60, 0, 100, 0}},
        {"Max below Position pulls it down",
         [](TPosbar& b) { b.SetMax(40); },
         {0, 40, 40, 0, 100, 0}},
        {"Min above Max is taken; Position clamps to Max, then Min",
         [](TPosbar& b) {
             b.SetMin(200);
             b.SetPosition(10);
         },
         {200, 100, 200, 0, 100, 0}},
        {"CutBegin above CutEnd - MinCutSize",
         [](TPosbar& b) {
             b.SetMinCutSize(20);
             b.SetCutBegin(90);
         },
         {0, 100, 50, 80, 100, 20}},
        {"CutBegin below Min", [](TPosbar& b) { b.SetCutBegin(-10); }, {0, 100, 50, 0, 100, 0}},
        {"CutBegin above Max and CutEnd",
         [](TPosbar& b) { b.SetCutBegin(150); },
         {0, 100, 50, 100, 100, 0}},
        {"CutEnd below CutBegin",
         [](TPosbar& b) {
             b.SetCutBegin(30);
             b.SetCutEnd(10);
         },
         {0, 100, 50, 30, 30, 0}},
        {"CutEnd above Max", [](TPosbar& b) { b.SetCutEnd(200); }, {0, 100, 50, 0, 100, 0}},
        {"CutEnd closer than MinCutSize to CutBegin",
         [](TPosbar& b) {
             b.SetMinCutSize(20);
             b.SetCutBegin(30);
             b.SetCutEnd(40);
         },
         {0, 100, 50, 30, 50, 20}},
        {"MinCutSize larger than the range",
         [](TPosbar& b) { b.SetMinCutSize(500); },
         {0, 100, 50, 0, 100, 100}},
        {"a larger MinCutSize pushes CutEnd",
         [](TPosbar& b) {
             b.SetCutBegin(20);
             b.SetCutEnd(40);
             b.SetMinCutSize(30);
         },
         {0, 100, 50, 20, 50, 30}},
        {"a larger MinCutSize near Max moves CutBegin down instead of CutEnd past Max",
         [](TPosbar& b) {
             b.SetCutBegin(80);
             b.SetMinCutSize(50);
         },
         {0, 100, 50, 50, 100, 50}},
        {"the widest range",
         [](TPosbar& b) {
             b.SetMin(kI64Min);
             b.SetMax(kI64Max);
             b.SetMinCutSize(kI64Max);
             b.SetCutBegin(kI64Max);
         },
         {kI64Min, kI64Max, 50, 0, kI64Max, kI64Max}},
    };
    for (const auto& c : cases) {
        TPosbar bar;
        int fired = 0;
        const TPositionEvent count = [&](TPosbar&, TMovingState, std::int64_t) { ++fired; };
        bar.OnChangePosBegin = bar.OnChangePosMoving = bar.OnChangePosEnd = count;
        c.apply(bar);
        EXPECT_EQ(ValuesOf(bar), c.expected) << c.why;
        EXPECT_EQ(fired, 0) << c.why << ": a program's change fires nothing";
    }
}

TEST(PosbarTest, SizeIsAtLeastThreeAndTheControlGrowsToHoldIt) {
    const struct {
        int dpi, size, height, expectSize, expectBar, expectHeight;
    } cases[] = {
        {96, 1, 24, 3, 3, 24},  {96, 6, 24, 6, 6, 24},     {96, 30, 24, 30, 30, 30},
        {192, 1, 48, 3, 6, 48}, {192, 30, 48, 30, 60, 60},
    };
    for (const auto& c : cases) {
        TPosbar bar{DisplayScale(c.dpi)};
        ASSERT_EQ(bar.Height(), c.height);
        bar.SetSize(c.size);
        EXPECT_EQ(bar.Size(), c.expectSize) << c.dpi << " dpi, size " << c.size;
        EXPECT_EQ(bar.BarPixels(), c.expectBar) << c.dpi << " dpi, size " << c.size;
        EXPECT_EQ(bar.Height(), c.expectHeight) << c.dpi << " dpi, size " << c.size;
    }
}

TEST(PosbarTest, PicturesSetTheHeightAndTheBar) {
    TPosbar bar{DisplayScale(192)};
    EXPECT_EQ(bar.Width(), 300);
    bar.SetThumbImage(Solid(20, 14, 0xFF00FF00u));
    EXPECT_EQ(bar.Height(), 14) << "the thumb's height, even when lower";
    bar.SetBgImage(Solid(100, 36, 0xFF0000FFu));
    EXPECT_EQ(bar.Height(), 36);
    EXPECT_EQ(bar.Size(), 18) << "in 96-DPI pixels";
    EXPECT_EQ(bar.BarPixels(), 36) << "the picture is not scaled again";
}

// ---- Notifications -------------------------------------------------------

enum Kind { Begin, Moving, End };

struct Note {
    Kind kind;
    TMovingState state;
    std::int64_t position;
    friend bool operator==(const Note&, const Note&) = default;
};

void PrintTo(const Note& n, std::ostream* os) {
    static const char* const kKinds[] = {"Begin", "Moving", "End"};
    *os << kKinds[n.kind] << "(" << int(n.state) << ", " << n.position << ")";
}

// A bar of 0..100 on a 100-pixel track at (10, 5) of its window: the pointer
// at window x = 10 + v is at value v.
struct BarFixture {
    ControlHost host;
    TPosbar bar;
    std::vector<Note> notes;
    static constexpr int kX = 10, kY = 5, kMidY = kY + 12;

    BarFixture() {
        bar.SetBounds(kX, kY, 100, 24);
        bar.OnChangePosBegin = Recorder(Begin);
        bar.OnChangePosMoving = Recorder(Moving);
        bar.OnChangePosEnd = Recorder(End);
        host.Add(bar);
    }
    TPositionEvent Recorder(Kind kind) {
        return [this, kind](TPosbar& sender, TMovingState state, std::int64_t pos) {
            EXPECT_EQ(&sender, &bar);
            notes.push_back({kind, state, pos});
        };
    }
};

struct Step {
    enum { Down, Move, Up, Lost } what;
    TMouseButton button;
    TShiftState shift;
    int value;  // the pointer's x as a value of the track
};

TEST(PosbarTest, NotificationsOfAClickADragAndARightClick) {
    using S = Step;
    const struct {
        const char* why;
        std::vector<Step> steps;
        std::vector<Note> expected;
        std::int64_t position;
    } cases[] = {
        {"a click jumps at once and ends where it was",
         {{S::Down, mbLeft, ssLeft, 30}, {S::Up, mbLeft, 0, 30}},
         {{Begin, msProgress, 30}, {End, msProgress, 30}},
         30},
        {"a drag reports every new point, clamps at both ends, ends at the release",
         {{S::Down, mbLeft, ssLeft, 30},
          {S::Move, mbLeft, ssLeft, 60},
          {S::Move, mbLeft, ssLeft, 60},  // the same point: nothing
          {S::Move, mbLeft, ssLeft, 400},
          {S::Move, mbLeft, ssLeft, -80},
          {S::Up, mbLeft, 0, 20}},
         {{Begin, msProgress, 30},
          {Moving, msProgress, 60},
          {Moving, msProgress, 100},
          {Moving, msProgress, 0},
          {End, msProgress, 20}},
         20},
        {"a right click begins and ends with no state and moves nothing",
         {{S::Down, mbRight, ssRight, 30},
          {S::Move, mbRight, ssRight, 70},
          {S::Up, mbRight, 0, 70}},
         {{Begin, msNone, 50}, {End, msNone, 50}},
         50},
        {"a double-click press is ignored; its release still ends",
         {{S::Down, mbLeft, ssLeft | ssDouble, 30}, {S::Up, mbLeft, 0, 30}},
         {{End, msNone, 50}},
         50},
        {"losing the mouse ends the drag where the pointer was last seen",
         {{S::Down, mbLeft, ssLeft, 30}, {S::Move, mbLeft, ssLeft, 70}, {S::Lost, mbLeft, 0, 0}},
         {{Begin, msProgress, 30}, {Moving, msProgress, 70}, {End, msProgress, 70}},
         70},
    };
    for (const auto& c : cases) {
        BarFixture f;
        for (const Step& s : c.steps) {
            const int x = BarFixture::kX + s.value, y = BarFixture::kMidY;
            switch (s.what) {
                case S::Down:
                    f.host.MouseDown(s.button, s.shift, x, y);
                    break;
                case S::Move:
                    f.host.MouseMove(s.shift, x, y);
                    break;
                case S::Up:
                    f.host.MouseUp(s.button, s.shift, x, y);
                    break;
                case S::Lost:
                    f.host.CaptureLost();
                    break;
            }
        }
        EXPECT_EQ(f.notes, c.expected) << c.why;
        EXPECT_EQ(f.bar.Position(), c.position) << c.why;
        EXPECT_EQ(f.bar.Moving(), msNone) << c.why;
        EXPECT_FALSE(f.host.Capturing()) << c.why;
    }
}

TEST(PosbarTest, StateWhileDragging) {
    BarFixture f;
    f.host.MouseDown(mbLeft, ssLeft, BarFixture::kX + 30, BarFixture::kMidY);
    EXPECT_EQ(f.bar.Moving(), msProgress);
    f.host.MouseUp(mbLeft, 0, BarFixture::kX + 30, BarFixture::kMidY);
    EXPECT_EQ(f.bar.Moving(), msNone);
}

TEST(PosbarTest, EmptyRangeNeitherDividesByZeroNorMoves) {
    BarFixture f;
    f.bar.SetMin(5);
    f.bar.SetMax(5);
    TBitmap32 surface(130, 40);
    f.host.Paint(surface, surface.BoundsRect());
    EXPECT_EQ(f.bar.CurrentPos(), 0);
    f.host.MouseDown(mbLeft, ssLeft, BarFixture::kX + 60, BarFixture::kMidY);
    f.host.MouseUp(mbLeft, 0, BarFixture::kX + 60, BarFixture::kMidY);
    EXPECT_EQ(f.notes, (std::vector<Note>{{Begin, msProgress, 5}, {End, msProgress, 5}}));
}

// Cut mode on a 116-pixel control with 8 × 8 handles: L = 8, R = 100, so
// value v sits at control x = 8 + v; the bar is rows 7..16 and the handles
// hang below it from row 17.
TEST(PosbarTest, CutHandlesAreTakenWhereTheyAreAndFollowThePointer) {
    BarFixture f;
    f.bar.SetBounds(0, 0, 116, 24);
    f.bar.SetCutLeftImage(Solid(8, 8, 0xFFFF0000u));
    f.bar.SetCutRightImage(Solid(8, 8, 0xFF0000FFu));
    f.bar.SetCutMode(true);
    f.bar.SetMinCutSize(10);
    f.bar.SetCutBegin(20);
    f.bar.SetCutEnd(80);

    // Taken 4 px into the left handle, whose right edge is the cut's begin
    // (x = 28): dragged 10 px right, the begin follows by 10.
    f.host.MouseDown(mbLeft, ssLeft, 24, 20);
    EXPECT_EQ(f.bar.Moving(), msLeftCut);
    EXPECT_EQ(f.bar.LastCutLeft(), (TPoint64{20, 17})) << "placed even before a paint";
    f.host.MouseMove(ssLeft, 34, 20);
    EXPECT_EQ(f.bar.CutBegin(), 30);
    f.host.MouseMove(ssLeft, 200, 20);
    EXPECT_EQ(f.bar.CutBegin(), 70) << "stops MinCutSize before the end";
    f.host.MouseUp(mbLeft, 0, 200, 20);

    // The right handle's left edge is the cut's end (x = 88).
    f.host.MouseDown(mbLeft, ssLeft, 90, 20);
    EXPECT_EQ(f.bar.Moving(), msRightCut);
    f.host.MouseMove(ssLeft, 95, 20);
    EXPECT_EQ(f.bar.CutEnd(), 85);
    f.host.MouseUp(mbLeft, 0, 95, 20);

    // Elsewhere the press sets the position as ever.
    f.host.MouseDown(mbLeft, ssLeft, 8 + 40, 10);
    EXPECT_EQ(f.bar.Moving(), msProgress);
    f.host.MouseUp(mbLeft, 0, 8 + 40, 10);

    EXPECT_EQ(f.notes, (std::vector<Note>{{Begin, msLeftCut, 50},
                                          {Moving, msLeftCut, 50},
                                          {Moving, msLeftCut, 50},
                                          {End, msLeftCut, 50},
                                          {Begin, msRightCut, 50},
                                          {Moving, msRightCut, 50},
                                          {End, msRightCut, 50},
                                          {Begin, msProgress, 40},
                                          {End, msProgress, 40}}));
}

// ---- Painting ------------------------------------------------------------

constexpr TColor32 kSurface = 0xFF102030u;
constexpr TColor32 kThumb = 0xFF00C000u;
constexpr TColor32 kBack = Color32(57, 75, 102);
constexpr TColor32 kFore = Color32(229, 229, 229);

// The width picker's slider: 87 × 16, 1..8 at 4, bar 6 thick, a 16 × 16
// thumb (all in 96-DPI pixels).
TEST(PosbarTest, PaintsTheWidthPickersSliderAtTheScale) {
    const struct {
        int dpi;
        int trackLeft, trackRight;  // the track's pixels: [left, right)
        int barTop, barBottom;      // the bar's rows: [top, bottom)
        int thumbLeft, thumbSide;
    } cases[] = {
        // L = 8, R = 71, 4 → 30.43 → 30; thumb at 8 + 30 - 8.
        {96, 8, 79, 5, 11, 30, 16},
        // L = 16, R = 142, 4 → 60.86 → 61; thumb at 16 + 61 - 16.
        {192, 16, 158, 10, 22, 61, 32},
    };
    for (const auto& c : cases) {
        const DisplayScale scale(c.dpi);
        ControlHost host;
        TPosbar bar(scale);
        const TRect bounds = scale.Rect(TRect{0, 0, 87, 16});
        bar.SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
        bar.SetMin(1);
        bar.SetMax(8);
        bar.SetPosition(4);
        bar.SetBackColor(kBack);
        bar.SetForeColor(kFore);
        bar.SetSize(6);
        bar.SetThumbImage(Solid(c.thumbSide, c.thumbSide, kThumb));
        host.Add(bar);
        ASSERT_EQ(bar.Height(), c.thumbSide) << c.dpi;

        TBitmap32 surface(bar.Width() + 4, bar.Height() + 4);
        surface.Clear(kSurface);
        host.Paint(surface, surface.BoundsRect());
        const auto at = [&](int x, int y) { return surface.PixelS(x, y); };
        const std::string dpi = std::to_string(c.dpi) + " dpi";

        EXPECT_EQ(at(c.thumbLeft, 0), kThumb) << dpi;
        EXPECT_EQ(at(c.thumbLeft + c.thumbSide - 1, c.thumbSide - 1), kThumb) << dpi;
        EXPECT_EQ(at(c.thumbLeft - 1, c.barTop), kFore) << dpi << ": filled up to the thumb";
        EXPECT_EQ(at(c.thumbLeft + c.thumbSide, c.barTop), kBack) << dpi;
        EXPECT_EQ(at(c.trackLeft, c.barBottom - 1), kFore) << dpi;
        EXPECT_EQ(at(c.trackLeft - 1, c.barTop), kSurface) << dpi << ": nothing before the track";
        EXPECT_EQ(at(c.trackRight - 1, c.barTop), kBack) << dpi;
        EXPECT_EQ(at(c.trackRight, c.barTop), kSurface) << dpi << ": nothing after it";
        EXPECT_EQ(at(c.trackLeft + 1, c.barTop - 1), kSurface) << dpi << ": no background";
        EXPECT_EQ(at(c.trackLeft + 1, c.barBottom), kSurface) << dpi;
    }
}

TEST(PosbarTest, VerticalBarFillsUpwardsAndTakesThePointerFromTheBottom) {
    BarFixture f;
    f.bar.SetBounds(0, 0, 24, 110);
    f.bar.VerticalOrientation = true;
    f.bar.SetBackColor(kBack);
    f.bar.SetForeColor(kFore);
    TBitmap32 surface(30, 120);
    surface.Clear(kSurface);
    f.host.Paint(surface, surface.BoundsRect());
    // 50 of 0..100 on 110 px is 55 up from the bottom; the bar is columns 7..16.
    EXPECT_EQ(surface.PixelS(7, 109), kFore);
    EXPECT_EQ(surface.PixelS(16, 55), kFore);
    EXPECT_EQ(surface.PixelS(16, 54), kBack);
    EXPECT_EQ(surface.PixelS(7, 0), kBack);
    EXPECT_EQ(surface.PixelS(6, 60), kSurface);
    EXPECT_EQ(surface.PixelS(17, 60), kSurface);

    f.host.MouseDown(mbLeft, ssLeft, 12, 110 - 33);  // 33 of 110 px is 30
    EXPECT_EQ(f.bar.Position(), 30);
    f.host.MouseUp(mbLeft, 0, 12, 110 - 33);
}

TEST(PosbarTest, ArtIsDrawnAtTheScale) {
    for (const int dpi : {96, 144, 192}) {
        const DisplayScale scale(dpi);
        const TBitmap32 thumb = PosbarThumbPicture(scale);
        const int side = scale.Px(kPosbarThumbSize);
        ASSERT_EQ(thumb.Width(), side) << dpi;
        ASSERT_EQ(thumb.Height(), side) << dpi;
        EXPECT_EQ(thumb.PixelS(side / 2, side / 2), Color32(229, 229, 229)) << dpi;
        EXPECT_EQ(AlphaOf(thumb.PixelS(0, 0)), 0u) << dpi << ": a disc, not a square";

        const int h = scale.Px(kPosbarCutHandleSize);
        const TBitmap32 left = PosbarCutHandlePicture(true, scale);
        const TBitmap32 right = PosbarCutHandlePicture(false, scale);
        ASSERT_EQ(left.Width(), h) << dpi;
        // The upright edge is on the cut's side: the left one's right side.
        EXPECT_EQ(AlphaOf(left.PixelS(h - 1, h / 2)), 255u) << dpi;
        EXPECT_EQ(AlphaOf(left.PixelS(0, h / 2)), 0u) << dpi;
        EXPECT_EQ(AlphaOf(right.PixelS(0, h / 2)), 255u) << dpi;
        EXPECT_EQ(AlphaOf(right.PixelS(h - 1, h / 2)), 0u) << dpi;
    }
}

}  // namespace
}  // namespace lg
