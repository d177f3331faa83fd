#include "capture/panel_placement.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>

namespace lg {

void PrintTo(const PanelPlacement& p, std::ostream* os) {
    *os << "palette (" << p.palette.Left << ", " << p.palette.Top << "), output panel ("
        << p.outputPanel.Left << ", " << p.outputPanel.Top << ")";
}

namespace {

constexpr TRect kFullHd{0, 0, 1920, 1080};

struct PlacementCase {
    std::string name;
    std::string why;
    TRect virtualScreen;
    TRect selection;
    TRect paletteMonitor;
    TRect outputPanelMonitor;
    PanelPlacement expected;
};

void PrintTo(const PlacementCase& c, std::ostream* os) {
    *os << c.name;
}

class PanelPlacementTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(PanelPlacementTest, PlacesBothPanels) {
    const PlacementCase& c = GetParam();
    PanelPlacementInput in;
    in.virtualScreen = c.virtualScreen;
    in.selection = c.selection;
    in.paletteMonitor = c.paletteMonitor;
    in.outputPanelMonitor = c.outputPanelMonitor;
    EXPECT_EQ(PlacePanels(in), c.expected) << c.why;
}

// Monitors: the virtual screen (0, -1080, 1920, 1080) holds one above the
// primary; (-1920, 0, 1920, 1080) one left of it; (0, 0, 4480, 1440) a
// taller one right of it.
constexpr TRect kUpper{0, -1080, 1920, 0};
constexpr TRect kLeft{-1920, 0, 0, 1080};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Layouts, PanelPlacementTest, ::testing::Values(
    PlacementCase{"Middle", "room everywhere: palette below, panel right, edges aligned",
        kFullHd, {400, 300, 1200, 800}, kFullHd, kFullHd, {{668, 808}, {1208, 643}}},
    PlacementCase{"TopEdge", "panel kept a palette height below the top, palette below it",
        kFullHd, {400, 0, 1200, 100}, kFullHd, kFullHd, {{668, 203}, {1208, 38}}},
    PlacementCase{"BottomEdgeRoomAbove", "palette moves above the selection",
        kFullHd, {400, 300, 1200, 1080}, kFullHd, kFullHd, {{668, 254}, {1208, 923}}},
    PlacementCase{"BottomEdgeLowSelection", "above the selection, but no lower than on the panel",
        kFullHd, {400, 950, 1200, 1080}, kFullHd, kFullHd, {{668, 885}, {1208, 923}}},
    PlacementCase{"BottomEdgeRoomLeft", "no room above: left of the selection, at its bottom",
        kFullHd, {600, 20, 1200, 1080}, kFullHd, kFullHd, {{60, 1034}, {1208, 923}}},
    PlacementCase{"BottomEdgeLeftRoomJustTooSmall", "537 is not more than 532 + 5: inside",
        kFullHd, {537, 20, 1200, 1080}, kFullHd, kFullHd, {{668, 1034}, {1208, 923}}},
    PlacementCase{"BottomEdgeLeftRoomClampedToMonitor", "538 passes; the palette stays on screen",
        kFullHd, {538, 20, 1200, 1080}, kFullHd, kFullHd, {{0, 1034}, {1208, 923}}},
    PlacementCase{"BottomEdgeNoRoomAnywhere", "palette inside the selection above its bottom",
        kFullHd, {100, 20, 1200, 1080}, kFullHd, kFullHd, {{668, 1034}, {1208, 923}}},
    PlacementCase{"RightEdge", "panel goes left of the selection",
        kFullHd, {400, 300, 1920, 800}, kFullHd, kFullHd, {{1388, 808}, {354, 643}}},
    PlacementCase{"FullWidth", "no room left or right: panel inside against the right edge",
        kFullHd, {0, 300, 1920, 800}, kFullHd, kFullHd, {{1388, 808}, {1874, 643}}},
    PlacementCase{"WholeScreen", "both inside at the bottom right, palette left of the panel",
        kFullHd, kFullHd, kFullHd, kFullHd, {{1334, 1034}, {1874, 923}}},
    PlacementCase{"LowNarrowAtLeft", "palette above the selection and clear of the panel: not shifted",
        {0, 0, 1280, 800}, {20, 600, 420, 790}, {0, 0, 1280, 800}, {0, 0, 1280, 800},
        {{0, 554}, {428, 633}}},
    PlacementCase{"LeftColumnFullHeight", "a shift past the left edge: on screen, above the panel",
        kFullHd, {0, 0, 500, 1080}, kFullHd, kFullHd, {{0, 877}, {508, 923}}},
    PlacementCase{"MonitorAboveMiddle", "negative top: as on a single monitor, shifted",
        {0, -1080, 1920, 1080}, {400, -780, 1200, -280}, kUpper, kUpper,
        {{668, -272}, {1208, -437}}},
    PlacementCase{"MonitorAboveBottomEdge", "the upper monitor's bottom counts, not the screen's",
        {0, -1080, 1920, 1080}, {400, -780, 1200, 0}, kUpper, kUpper,
        {{668, -826}, {1208, -157}}},
    PlacementCase{"PrimaryBelowMonitorAbove", "selection on the primary: as on one monitor",
        {0, -1080, 1920, 1080}, {400, 300, 1200, 800}, kFullHd, kFullHd,
        {{668, 808}, {1208, 643}}},
    PlacementCase{"MonitorLeftMiddle", "negative left: as on a single monitor, shifted",
        {-1920, 0, 1920, 1080}, {-1520, 300, -720, 800}, kLeft, kLeft,
        {{-1252, 808}, {-712, 643}}},
    PlacementCase{"ShorterMonitorBottom", "screen goes lower than the monitor: palette above",
        {0, 0, 4480, 1440}, {400, 300, 1200, 1080}, kFullHd, kFullHd,
        {{668, 254}, {1208, 923}}},
    PlacementCase{"SelectionBelowShorterMonitor", "past the monitor's bottom: panel kept on it",
        {0, 0, 4480, 1440}, {400, 300, 1800, 1300}, kFullHd, kFullHd,
        {{1268, 254}, {1808, 923}}}),
    [](const ::testing::TestParamInfo<PlacementCase>& info) { return info.param.name; });
// clang-format on

TEST(PanelPlacementSizes, TakesThePanelSizesGiven) {
    // A palette twice as wide moves its left edge by the extra width only.
    PanelPlacementInput in;
    in.virtualScreen = kFullHd;
    in.selection = {400, 300, 1200, 800};
    in.paletteMonitor = in.outputPanelMonitor = kFullHd;
    in.paletteSize = {2 * kPaletteSize.cx, kPaletteSize.cy};
    EXPECT_EQ(PlacePanels(in), (PanelPlacement{{136, 808}, {1208, 643}}));
}

TEST(PanelPlacementScale, GapsAndSizesFollowTheDisplayScale) {
    // The panels at their scaled sizes; every gap scales with them, so a
    // layout at 150 % or 200 % is the 96-DPI one grown about its selection.
    struct Case {
        const char* why;
        int dpi;
        TRect selection;
        PanelPlacement expected;
    } cases[] = {
        {"96 DPI: the form sizes and 8 px gaps",
         96,
         {400, 300, 1200, 800},
         {{668, 808}, {1208, 643}}},
        {"150 %: 798 x 57 and 57 x 236, 12 px gaps",
         144,
         {400, 300, 1200, 800},
         {{402, 812}, {1212, 564}}},
        {"200 %: 1064 x 76 and 76 x 314, 16 px gaps",
         192,
         {400, 300, 1200, 800},
         {{136, 816}, {1216, 486}}},
        {"200 %, whole screen: the overlap shift is 76 + 32",
         192,
         kFullHd,
         {{748, 988}, {1828, 766}}},
    };
    for (const Case& c : cases) {
        const DisplayScale scale(c.dpi);
        PanelPlacementInput in;
        in.virtualScreen = kFullHd;
        in.selection = c.selection;
        in.paletteMonitor = in.outputPanelMonitor = kFullHd;
        in.paletteSize = scale.Size(kPaletteSize);
        in.outputPanelSize = scale.Size(kOutputPanelSize);
        in.scale = scale;
        EXPECT_EQ(PlacePanels(in), c.expected) << c.why;
    }
}

struct ScreenCase {
    std::string name;
    TRect location;  // capture coordinates
    TRect virtualScreen;
    TRect expected;
};

void PrintTo(const ScreenCase& c, std::ostream* os) {
    *os << c.name;
}

class SelectionOnScreenTest : public ::testing::TestWithParam<ScreenCase> {};

TEST_P(SelectionOnScreenTest, ShiftsAndOrders) {
    const ScreenCase& c = GetParam();
    const TRect got = SelectionOnScreen(c.location, c.virtualScreen);
    EXPECT_EQ((std::array{got.Left, got.Top, got.Right, got.Bottom}),
              (std::array{c.expected.Left, c.expected.Top, c.expected.Right, c.expected.Bottom}));
}

INSTANTIATE_TEST_SUITE_P(
    Locations, SelectionOnScreenTest,
    ::testing::Values(ScreenCase{"Whole", {0, 0, 1920, 1080}, kFullHd, kFullHd},
                      ScreenCase{"NegativeOrigin",
                                 {400, 300, 1200, 800},
                                 {-1920, -1080, 1920, 1080},
                                 {-1520, -780, -720, -280}},
                      ScreenCase{"TopBelowBottom", {10, 90, 50, 20}, kFullHd, {10, 20, 50, 90}}),
    [](const ::testing::TestParamInfo<ScreenCase>& info) { return info.param.name; });

}  // namespace
}  // namespace lg
