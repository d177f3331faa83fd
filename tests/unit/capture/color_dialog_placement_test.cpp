#include "capture/color_dialog_placement.h"

#include <gtest/gtest.h>

namespace lg {
namespace {

constexpr TSize kDialog{450, 330};
// A 1920 × 1080 monitor whose taskbar takes the bottom 40 pixels.
constexpr TRect kWork{0, 0, 1920, 1040};

TEST(ColorDialogPlacement, StaysInTheWorkAreaOfThePalettesMonitor) {
    struct Case {
        const char* name;
        TRect palette;  // only its left and top count
        TRect workArea;
        TRect expected;
    };
    const Case cases[] = {
        {"fits: 300 above the palette, at its left",
         {200, 700, 732, 738},
         kWork,
         {200, 400, 650, 730}},
        {"above the top: a selection in the upper part",
         {200, 120, 732, 158},
         kWork,
         {200, 0, 650, 330}},
        {"past the right edge", {1700, 700, 2232, 738}, kWork, {1470, 400, 1920, 730}},
        {"past the bottom: the palette under the taskbar's top",
         {200, 1030, 732, 1068},
         kWork,
         {200, 710, 650, 1040}},
        {"a monitor left of and above the primary",
         {-1900, -1000, -1368, -962},
         {-1920, -1080, 0, -40},
         {-1900, -1080, -1450, -750}},
        {"past its right edge, on the negative monitor",
         {-200, -500, 332, -462},
         {-1920, -1080, 0, -40},
         {-450, -800, 0, -470}},
        {"a work area smaller than the dialog: its title bar stays reachable",
         {100, 100, 632, 138},
         {0, 0, 400, 300},
         {0, 0, 450, 330}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PlaceColorDialog(c.palette, kDialog, c.workArea), c.expected);
    }
}

TEST(ColorDialogPlacement, TheRiseFollowsTheDisplayScale) {
    const TSize dialog{675, 495};  // the same dialog at 150 %
    EXPECT_EQ(PlaceColorDialog({300, 900, 1100, 957}, dialog, kWork, DisplayScale(144)),
              (TRect{300, 450, 975, 945}));
}

}  // namespace
}  // namespace lg
