#include "tools/picker_placement.h"

#include <gtest/gtest.h>

#include <ostream>

// Its placement tables are checked as they compile.
#include "tools/picker_layout.h"

namespace lg {
namespace {

constexpr TRect kMonitor{0, 0, 1920, 1080};

struct PickerCase {
    const char* name;
    TRect palette;
    TRect selection;
    TRect monitor;
    TSize picker;
    int offset;
    DisplayScale scale;
    PickerPlacement expected;
};

void PrintTo(const PickerCase& c, std::ostream* os) {
    *os << c.name;
}

class PickerPlacementTest : public ::testing::TestWithParam<PickerCase> {};

TEST_P(PickerPlacementTest, PlacesByPaletteAndMonitor) {
    const PickerCase& c = GetParam();
    EXPECT_EQ(PlacePicker(c.palette, c.selection, c.monitor, c.picker, c.offset, c.scale),
              c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, PickerPlacementTest,
                         ::testing::Values(
                             // Palette below the selection with room under it: below, upright.
                             PickerCase{"BelowSelectionRoomBelow",
                                        {100, 500, 632, 538},
                                        {100, 100, 700, 490},
                                        kMonitor,
                                        {125, 38},
                                        kWidthPickerOffset,
                                        {},
                                        {{247, 543, 372, 581}, false}},
                             // The same near the monitor's bottom: above, flipped; one pixel
                             // short of room is enough, exactly the room still opens below.
                             PickerCase{"BelowSelectionNearBottom",
                                        {100, 1040, 632, 1078},
                                        {100, 100, 700, 1030},
                                        kMonitor,
                                        {125, 38},
                                        kWidthPickerOffset,
                                        {},
                                        {{247, 997, 372, 1035}, true}},
                             PickerCase{"BelowSelectionOnePixelShort",
                                        {100, 1000, 632, 1038},
                                        {100, 100, 700, 990},
                                        kMonitor,
                                        {125, 38},
                                        kWidthPickerOffset,
                                        {},
                                        {{247, 957, 372, 995}, true}},
                             PickerCase{"BelowSelectionExactRoom",
                                        {100, 999, 632, 1037},
                                        {100, 100, 700, 990},
                                        kMonitor,
                                        {125, 38},
                                        kWidthPickerOffset,
                                        {},
                                        {{247, 1042, 372, 1080}, false}},
                             // Palette above the selection: above it when the monitor's top
                             // leaves room, else below.
                             PickerCase{"AboveSelectionRoomAbove",
                                        {100, 400, 632, 438},
                                        {100, 446, 700, 900},
                                        kMonitor,
                                        {190, 95},
                                        kFontPickerOffset,
                                        {},
                                        {{314, 300, 504, 395}, true}},
                             PickerCase{"AboveSelectionNearTop",
                                        {100, 50, 632, 88},
                                        {100, 96, 700, 900},
                                        kMonitor,
                                        {190, 95},
                                        kFontPickerOffset,
                                        {},
                                        {{314, 93, 504, 188}, false}},
                             PickerCase{"AboveSelectionExactRoom",
                                        {100, 100, 632, 138},
                                        {100, 146, 700, 900},
                                        kMonitor,
                                        {190, 95},
                                        kFontPickerOffset,
                                        {},
                                        {{314, 0, 504, 95}, true}},
                             // A second monitor to the right, above the first's origin: its own
                             // top counts (30 pixels of room, too few).
                             PickerCase{"OtherMonitor",
                                        {2000, -150, 2532, -112},
                                        {2000, -100, 2600, 400},
                                        {1920, -180, 3840, 900},
                                        {125, 38},
                                        kWidthPickerOffset,
                                        {},
                                        {{2147, -107, 2272, -69}, false}},
                             // At 144 DPI the offset and the gap scale with the palette.
                             PickerCase{"Scaled150",
                                        {100, 500, 898, 557},
                                        {100, 100, 700, 490},
                                        kMonitor,
                                        {188, 57},
                                        kWidthPickerOffset,
                                        DisplayScale(144),
                                        {{321, 565, 509, 622}, false}}));

}  // namespace
}  // namespace lg
