#include "art/picker_art.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "art/picker_icons.h"
#include "art/picker_shape.h"

namespace lg::art {
namespace {

constexpr TColor32 kSurface = Color32(9, 26, 50);
constexpr TColor32 kRing = Color32(74, 110, 161);

TColor32 At(const TBitmap32& b, int x, int y) {
    return *b.PixelPtr(x, y);
}

bool SameRgb(TColor32 a, TColor32 b) {
    return ((a ^ b) & 0x00FFFFFFu) == 0;
}

// One picker: how it is drawn and where its window puts its controls, in
// 96-DPI pixels, when it opens below the palette and when above it.
struct PickerCase {
    const char* name;
    TBitmap32 (*draw)(DisplayScale);
    TSize size;
    TColor32 cutOut;
    double tipX;
    std::vector<TRect> controls;
    std::vector<TRect> flippedControls;
};

std::vector<PickerCase> Pickers() {
    return {
        {"Width",
         DrawWidthPickerBackground,
         {125, 38},
         Color32(0, 0, 0),
         62.5,
         // slider, thin icon, thick icon
         {{17, 14, 104, 30}, {8, 18, 14, 25}, {108, 16, 118, 27}},
         {{17, 10, 104, 26}, {8, 14, 14, 21}, {108, 12, 118, 23}}},
        {"Font",
         DrawFontPickerBackground,
         {190, 95},
         Color32(255, 0, 255),
         81,
         // four style buttons, font name, font size
         {{9, 11, 47, 49},
          {53, 11, 91, 49},
          {97, 11, 135, 49},
          {141, 11, 179, 49},
          {9, 56, 113, 87},
          {128, 56, 179, 87}},
         {{9, 6, 47, 44},
          {53, 6, 91, 44},
          {97, 6, 135, 44},
          {141, 6, 179, 44},
          {9, 50, 113, 81},
          {128, 50, 179, 81}}},
    };
}

struct BackgroundCase {
    PickerCase picker;
    int dpi;
};

void PrintTo(const BackgroundCase& c, std::ostream* os) {
    *os << c.picker.name << " picker at " << c.dpi << " dpi";
}

std::vector<BackgroundCase> Backgrounds() {
    std::vector<BackgroundCase> cases;
    for (const PickerCase& p : Pickers()) {
        for (const int dpi : {96, 144}) cases.push_back({p, dpi});
    }
    return cases;
}

class PickerBackground : public ::testing::TestWithParam<BackgroundCase> {
protected:
    void SetUp() override { picture_ = P().draw(Scale()); }
    const PickerCase& P() const { return GetParam().picker; }
    DisplayScale Scale() const { return DisplayScale(GetParam().dpi); }
    bool Cut(int x, int y) const { return SameRgb(At(picture_, x, y), P().cutOut); }
    bool Inside(int x, int y) const {
        return x >= 0 && y >= 0 && x < picture_.Width() && y < picture_.Height() && !Cut(x, y);
    }
    TBitmap32 picture_;
};

TEST_P(PickerBackground, OpaquePictureOfTheScaledSize) {
    EXPECT_EQ(picture_.Width(), Scale().Px(P().size.cx));
    EXPECT_EQ(picture_.Height(), Scale().Px(P().size.cy));
    for (const TColor32 p : picture_.Pixels()) ASSERT_EQ(AlphaOf(p), 255u);
    // The window takes its cut-out colour from the top-left pixel.
    EXPECT_TRUE(Cut(0, 0));
}

TEST_P(PickerBackground, CutOutOnlyOutsideTheRoundedBox) {
    const int w = picture_.Width(), h = picture_.Height();
    for (const auto& [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}}) {
        EXPECT_TRUE(Cut(x, y)) << "corner " << x << "," << y;
    }
    EXPECT_TRUE(Cut(w / 4, 0)) << "beside the pointer, above the box";
    // The box's rows below the pointer, away from its rounded corners, are
    // whole; its middle is the surface.
    const int radius = Scale().Px(6);
    for (int y = radius + Scale().Px(6); y < h - radius; ++y) {
        for (int x = 0; x < w; ++x) ASSERT_FALSE(Cut(x, y)) << x << "," << y;
    }
    EXPECT_EQ(At(picture_, w / 2, h / 2), kSurface);
}

TEST_P(PickerBackground, InsideIsOnlySurfaceAndRingWithTheRingOnTheCutEdge) {
    // The window's edge is binary: a pixel half covered by the box is in,
    // drawn in the box's own colours, never an edge blended towards the
    // cut-out colour. Every pixel of the cut edge shows the ring.
    const auto between = [](std::uint32_t v, std::uint32_t a, std::uint32_t b) {
        return v >= std::min(a, b) && v <= std::max(a, b);
    };
    for (int y = 0; y < picture_.Height(); ++y) {
        for (int x = 0; x < picture_.Width(); ++x) {
            if (!Inside(x, y)) continue;
            const TColor32 p = At(picture_, x, y);
            ASSERT_TRUE(between(RedOf(p), RedOf(kSurface), RedOf(kRing)) &&
                        between(GreenOf(p), GreenOf(kSurface), GreenOf(kRing)) &&
                        between(BlueOf(p), BlueOf(kSurface), BlueOf(kRing)))
                << x << "," << y << ": " << std::hex << p;
            const bool edge =
                !Inside(x - 1, y) || !Inside(x + 1, y) || !Inside(x, y - 1) || !Inside(x, y + 1);
            if (edge) {
                ASSERT_EQ(At(picture_, x, y), kRing) << x << "," << y;
            }
        }
    }
}

TEST_P(PickerBackground, PointerTipIsTheTopRowOverTheOpeningButton) {
    // The top row holds the tip alone, centred on the button; below it the
    // pointer widens row by row down to the box.
    std::vector<int> widths;
    double centre = 0;
    for (int y = 0; y < picture_.Height(); ++y) {
        int count = 0;
        double sum = 0;
        for (int x = 0; x < picture_.Width(); ++x) {
            if (Inside(x, y)) {
                ++count;
                sum += x + 0.5;
            }
        }
        if (y == 0) centre = count > 0 ? sum / count : -1;
        widths.push_back(count);
        if (count > picture_.Width() / 2) break;
    }
    ASSERT_GT(widths.front(), 0);
    EXPECT_LE(widths.front(), 2);
    EXPECT_NEAR(centre, Scale().PxD(P().tipX), 0.5);
    for (std::size_t i = 1; i + 1 < widths.size(); ++i) EXPECT_GT(widths[i], widths[i - 1]) << i;
    // About 10 px across where it meets the box.
    EXPECT_GE(widths[widths.size() - 2], Scale().Px(7));
    EXPECT_LE(widths[widths.size() - 2], Scale().Px(11));
}

TEST_P(PickerBackground, ControlsSitOnTheSurfaceOpenedBelowAndAbove) {
    const auto check = [this](const TBitmap32& picture, const std::vector<TRect>& controls,
                              const char* how) {
        for (const TRect& r96 : controls) {
            const TRect r = Scale().Rect(r96);
            for (int y = r.Top; y < r.Bottom; ++y) {
                for (int x = r.Left; x < r.Right; ++x) {
                    ASSERT_EQ(At(picture, x, y), kSurface)
                        << how << ": control at " << r96.Left << "," << r96.Top << ", pixel " << x
                        << "," << y;
                }
            }
        }
    };
    check(picture_, P().controls, "below");
    TBitmap32 flipped = picture_;
    FlipBitmapVertically(flipped);
    check(flipped, P().flippedControls, "above");
}

INSTANTIATE_TEST_SUITE_P(Pickers, PickerBackground, ::testing::ValuesIn(Backgrounds()),
                         [](const auto& info) {
                             return std::string(info.param.picker.name) + "_" +
                                    std::to_string(info.param.dpi) + "dpi";
                         });

// The slider's end icons: light ink on transparent, a stroke of whole
// rows, 1 px at the thin end and 4 px at the thick end, that lies on the
// slider's middle beside it (the thin one, a row high, just above).
TEST(PickerIcons, WidthIconsAreCrispStrokesOnTheSlidersMiddle) {
    struct Case {
        bool thick;
        TSize size;
        int top96;  // the icon's top in the window
        int stroke;
    };
    const Case cases[] = {{false, {6, 7}, 18, 1}, {true, {10, 11}, 16, 4}};
    for (const int dpi : {96, 144}) {
        const DisplayScale scale(dpi);
        for (const Case& c : cases) {
            const TBitmap32 icon = DrawWidthIcon(c.thick, scale);
            ASSERT_EQ(icon.Width(), scale.Px(c.size.cx)) << dpi;
            ASSERT_EQ(icon.Height(), scale.Px(c.size.cy)) << dpi;
            std::vector<int> fullRows;
            for (int y = 0; y < icon.Height(); ++y) {
                const TColor32 middle = At(icon, icon.Width() / 2, y);
                if (AlphaOf(middle) == 255) {
                    fullRows.push_back(y);
                } else {
                    EXPECT_EQ(AlphaOf(middle), 0u) << dpi << " row " << y;
                }
                for (int x = 0; x < icon.Width(); ++x) {
                    const TColor32 p = At(icon, x, y);
                    if (AlphaOf(p) != 0) {
                        ASSERT_TRUE(SameRgb(p, Color32(229, 229, 229)));
                    }
                }
            }
            ASSERT_EQ(static_cast<int>(fullRows.size()), scale.Px(c.stroke)) << dpi;
            const double inkMiddle =
                scale.Px(c.top96) + (fullRows.front() + fullRows.back() + 1) / 2.0;
            const double sliderMiddle = scale.Px(14) + scale.Px(16) / 2.0;
            EXPECT_NEAR(inkMiddle, sliderMiddle, 0.5) << dpi << (c.thick ? " thick" : " thin");
        }
    }
}

// The combo boxes' drop-down button: a square of the given fill (pressed:
// the pressed fill) with a chevron pointing down, light, white when hot.
TEST(PickerIcons, ComboButtonIsAChevronOnTheFill) {
    const TColor32 fill = Color32(56, 75, 102);
    for (const int dpi : {96, 144}) {
        const ComboButtonPictures b = DrawComboButton(31, fill, DisplayScale(dpi));
        const int side = DisplayScale(dpi).Px(31);
        const struct {
            const TBitmap32* picture;
            TColor32 plate, ink;
        } states[] = {{&b.normal, fill, Color32(229, 229, 229)},
                      {&b.move, fill, Color32(255, 255, 255)},
                      {&b.down, Color32(39, 75, 126), Color32(255, 255, 255)}};
        for (const auto& s : states) {
            ASSERT_EQ(s.picture->Width(), side);
            ASSERT_EQ(s.picture->Height(), side);
            EXPECT_EQ(At(*s.picture, 0, 0), s.plate) << dpi;
            EXPECT_EQ(At(*s.picture, side - 1, side / 2), s.plate) << dpi;
            // The ink's rows: the highest holds the two arm ends apart, the
            // lowest the point in the middle.
            int top = -1, bottom = -1;
            for (int y = 0; y < side; ++y) {
                for (int x = 0; x < side; ++x) {
                    if (At(*s.picture, x, y) != s.plate) {
                        if (top < 0) top = y;
                        bottom = y;
                    }
                }
            }
            ASSERT_GE(top, 0) << dpi;
            EXPECT_EQ(At(*s.picture, side / 2, top), s.plate) << dpi << " the arms part at the top";
            EXPECT_NE(At(*s.picture, side / 2, bottom), s.plate) << dpi << " the point below";
            bool inked = false;
            for (int y = top; y <= bottom; ++y) inked |= At(*s.picture, side / 2, y) == s.ink;
            EXPECT_TRUE(inked) << dpi << " the point in the state's ink";
        }
    }
}

}  // namespace
}  // namespace lg::art
