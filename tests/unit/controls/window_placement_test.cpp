// Where a window goes: centred in a work area, in its corner, kept inside
// it. The rows mirror the monitors the program meets: a primary one with
// the taskbar at the bottom, one left of it (negative coordinates), one
// above, and windows larger than the area.
#include "controls/window_placement.h"

#include <gtest/gtest.h>

namespace lg {
namespace {

constexpr TRect kPrimary{0, 0, 1920, 1040};     // taskbar 40 px at the bottom
constexpr TRect kLeft{-1280, 0, 0, 1024};       // a monitor left of the primary
constexpr TRect kAbove{200, -1080, 2120, -40};  // one above, taskbar on its top

struct CentreCase {
    const char* why;
    TRect area;
    TSize size;
    TRect expected;
};

TEST(WindowPlacement, CentredInAWorkArea) {
    const CentreCase cases[] = {
        {"even differences split evenly", kPrimary, {680, 440}, {620, 300, 1300, 740}},
        {"the settings window at 96 DPI", kPrimary, {681, 439}, {619, 300, 1300, 739}},
        {"odd differences leave the extra pixel right and below",
         {0, 0, 11, 11},
         {4, 4},
         {3, 3, 7, 7}},
        {"a monitor left of the primary", kLeft, {402, 634}, {-841, 195, -439, 829}},
        {"odd on negative coordinates rounds the same way",
         {-11, -11, 0, 0},
         {4, 4},
         {-8, -8, -4, -4}},
        {"a monitor above the primary", kAbove, {592, 260}, {864, -690, 1456, -430}},
        {"as large as the area fills it", kPrimary, {1920, 1040}, kPrimary},
        {"larger than the area overhangs both sides",
         {0, 0, 100, 100},
         {120, 140},
         {-10, -20, 110, 120}},
        {"larger by an odd amount overhangs one more pixel right and below",
         {0, 0, 100, 100},
         {105, 103},
         {-2, -1, 103, 102}},
        {"an empty area centres on its point", {50, 60, 50, 60}, {10, 20}, {45, 50, 55, 70}},
    };
    for (const CentreCase& c : cases) {
        EXPECT_EQ(CentredIn(c.area, c.size), c.expected) << c.why;
    }
}

TEST(WindowPlacement, CentringThereAndBackReturnsToTheSamePlace) {
    // A window laid out at 150 % and back at 100 % around its own centre
    // ends where it began, whatever the parities.
    for (const TRect start : {TRect{100, 100, 499, 204}, TRect{-1201, 7, -800, 93}}) {
        const TSize small{start.Width(), start.Height()};
        const TSize large{small.cx * 3 / 2 + 1, small.cy * 3 / 2};
        EXPECT_EQ(CentredIn(CentredIn(start, large), small), start);
    }
}

TEST(WindowPlacement, InTheCornerOfAWorkArea) {
    struct Case {
        const char* why;
        TRect area;
        TSize size;
        int margin;
        TRect expected;
    } const cases[] = {
        {"the notification at 96 DPI", kPrimary, {399, 104}, 10, {1511, 926, 1910, 1030}},
        {"the progress at 150 %: the margin scaled with it",
         kPrimary,
         {599, 129},
         15,
         {1306, 896, 1905, 1025}},
        {"a work area left of the origin", kLeft, {399, 86}, 10, {-409, 928, -10, 1014}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(InCorner(c.area, c.size, c.margin), c.expected) << c.why;
    }
}

TEST(WindowPlacement, KeptInsideAWorkArea) {
    struct Case {
        const char* why;
        TRect r;
        TRect area;
        TRect expected;
    } const cases[] = {
        {"inside already: untouched", {100, 100, 200, 200}, kPrimary, {100, 100, 200, 200}},
        {"over the right edge: moved left",
         {1900, 100, 2000, 200},
         kPrimary,
         {1820, 100, 1920, 200}},
        {"under the taskbar: moved up", {100, 1000, 200, 1100}, kPrimary, {100, 940, 200, 1040}},
        {"past the left monitor's left edge",
         {-1300, -5, -1200, 95},
         kLeft,
         {-1280, 0, -1180, 100}},
        {"taller than the area: the top stays inside",
         {0, 500, 100, 1700},
         kPrimary,
         {0, 0, 100, 1200}},
        {"wider than the area: the left edge stays inside",
         {-50, 0, 2050, 100},
         kPrimary,
         {0, 0, 2100, 100}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KeptInside(c.r, c.area), c.expected) << c.why;
    }
}

}  // namespace
}  // namespace lg
