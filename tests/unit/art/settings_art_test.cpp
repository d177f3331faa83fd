#include "art/settings_art.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <ostream>
#include <string>
#include <utility>

namespace lg::art {
namespace {

constexpr TColor32 kPanel = Color32(9, 26, 50);
constexpr TColor32 kFrame = Color32(12, 35, 66);
constexpr TColor32 kHover = Color32(26, 53, 91);
constexpr TColor32 kPressed = Color32(39, 75, 126);
constexpr TColor32 kOutlineColor = Color32(74, 110, 161);
constexpr TColor32 kAccentColor = Color32(28, 194, 241);

TColor32 At(const TBitmap32& b, int x, int y) {
    return *b.PixelPtr(x, y);
}

// The accent and its lighter and darker steps, told from every other
// colour of the family (the outline, even lit, has far more red).
bool IsAccent(TColor32 c) {
    return AlphaOf(c) != 0 && RedOf(c) < 80 && GreenOf(c) > 150;
}

int CountIf(const TBitmap32& b, const std::function<bool(TColor32)>& pred) {
    return static_cast<int>(std::ranges::count_if(b.Pixels(), pred));
}

std::array<std::pair<const char*, const TBitmap32*>, 4> States(const StatePictures& s) {
    return {
        {{"normal", &s.normal}, {"down", &s.down}, {"move", &s.move}, {"disabled", &s.disabled}}};
}

// Every picture at its display size: each side scaled and rounded.
TEST(SettingsArtSizes, EveryStateHasTheScaledSize) {
    struct Case {
        const char* name;
        std::function<ButtonArt(DisplayScale)> draw;
        int dpi, width, height;
    };
    const auto page = [](DisplayScale s) { return DrawPageButton(120, 108, s); };
    const auto close = [](DisplayScale s) { return DrawGlyphButton(Glyph::CloseSmall, 14, 14, s); };
    const auto reset = [](DisplayScale s) { return DrawGlyphButton(Glyph::Reset, 16, 16, s); };
    const Case cases[] = {
        {"check box", DrawCheckBox, 96, 20, 21},
        {"check box", DrawCheckBox, 144, 30, 32},
        {"radio", DrawRadio, 96, 20, 21},
        {"radio", DrawRadio, 144, 30, 32},
        {"page", page, 96, 120, 108},
        {"page", page, 144, 180, 162},
        {"close", close, 96, 14, 14},
        {"close", close, 144, 21, 21},
        {"reset", reset, 96, 16, 16},
        {"reset", reset, 144, 24, 24},
    };
    for (const Case& c : cases) {
        const ButtonArt art = c.draw(DisplayScale(c.dpi));
        for (const StatePictures* set : {&art.plain, &art.latched}) {
            for (const auto& [state, picture] : States(*set)) {
                EXPECT_EQ(picture->Width(), c.width) << c.name << " " << state << " " << c.dpi;
                EXPECT_EQ(picture->Height(), c.height) << c.name << " " << state << " " << c.dpi;
            }
        }
    }
}

// The pointer and the press get an answer from every button, ticked or not.
TEST(SettingsArtStates, HoverAndPressDifferFromNormal) {
    const std::pair<const char*, ButtonArt> arts[] = {
        {"check box", DrawCheckBox()},
        {"radio", DrawRadio()},
        {"page", DrawPageButton(120, 108)},
        {"reset", DrawGlyphButton(Glyph::Reset, 16, 16)},
        {"close", DrawGlyphButton(Glyph::CloseSmall, 14, 14)},
    };
    for (const auto& [name, art] : arts) {
        for (const StatePictures* set : {&art.plain, &art.latched}) {
            const auto same = [](const TBitmap32& a, const TBitmap32& b) {
                return std::ranges::equal(a.Pixels(), b.Pixels());
            };
            EXPECT_FALSE(same(set->move, set->normal)) << name;
            EXPECT_FALSE(same(set->down, set->normal)) << name;
            EXPECT_FALSE(same(set->down, set->move)) << name;
        }
        EXPECT_FALSE(std::ranges::equal(art.plain.normal.Pixels(), art.latched.normal.Pixels()))
            << name;
    }
}

struct OptionCase {
    const char* name;
    ButtonArt (*draw)(DisplayScale);
    int dpi;
    // The 16 x 16 box in the drawn pixels, its outline's width and the
    // least accent the ticked normal picture shows.
    TRect box;
    int line;
    int minAccent;
};

void PrintTo(const OptionCase& c, std::ostream* os) {
    *os << c.name << " at " << c.dpi;
}

// Check box: nearly all of the box is accent when ticked. Radio: ring and
// dot of radius 4, some 90 px at 96 DPI.
const OptionCase kOptions[] = {
    {"CheckBox", DrawCheckBox, 96, {2, 2, 18, 18}, 1, 150},
    {"CheckBox", DrawCheckBox, 144, {3, 4, 27, 28}, 2, 340},
    {"Radio", DrawRadio, 96, {2, 2, 18, 18}, 1, 60},
    {"Radio", DrawRadio, 144, {3, 4, 27, 28}, 2, 140},
};

class SettingsOptionArt : public ::testing::TestWithParam<OptionCase> {
protected:
    void SetUp() override { art_ = GetParam().draw(DisplayScale(GetParam().dpi)); }
    ButtonArt art_;
};

// The window shows "ticked" by latching the button: the accent belongs to
// the latched set only.
TEST_P(SettingsOptionArt, OnlyTheTickedSetUsesTheAccent) {
    const OptionCase& c = GetParam();
    for (const auto& [state, picture] : States(art_.plain)) {
        EXPECT_EQ(CountIf(*picture, IsAccent), 0) << state;
    }
    for (const auto& [state, picture] : States(art_.latched)) {
        if (picture == &art_.latched.disabled) continue;
        EXPECT_GE(CountIf(*picture, IsAccent), c.minAccent) << state;
    }
}

TEST_P(SettingsOptionArt, NothingOutsideTheBox) {
    const TRect box = GetParam().box;
    for (const StatePictures* set : {&art_.plain, &art_.latched}) {
        for (const auto& [state, p] : States(*set)) {
            for (int y = 0; y < p->Height(); ++y) {
                for (int x = 0; x < p->Width(); ++x) {
                    if (x >= box.Left && x < box.Right && y >= box.Top && y < box.Bottom) continue;
                    ASSERT_EQ(AlphaOf(At(*p, x, y)), 0u) << state << " " << x << "," << y;
                }
            }
        }
    }
}

// Unticked: the outline alone, the inside clear until the pointer comes;
// then the hover fill, and the pressed fill while held.
TEST_P(SettingsOptionArt, UntickedIsAnOutlineThatFillsUnderThePointer) {
    const OptionCase& c = GetParam();
    const int mid = (c.box.Left + c.box.Right) / 2, midY = (c.box.Top + c.box.Bottom) / 2;
    const TColor32 edge = At(art_.plain.normal, mid, c.box.Top);
    EXPECT_EQ(edge & 0xFFFFFFu, kOutlineColor & 0xFFFFFFu);
    EXPECT_GT(AlphaOf(edge), 200u);
    EXPECT_EQ(AlphaOf(At(art_.plain.normal, mid, midY)), 0u);
    EXPECT_EQ(At(art_.plain.move, c.box.Left + c.line + 1, midY), kHover);
    EXPECT_EQ(At(art_.plain.down, c.box.Left + c.line + 1, midY), kPressed);
    EXPECT_EQ(AlphaOf(At(art_.plain.disabled, mid, c.box.Top)), (AlphaOf(edge) * 102 + 127) / 255);
}

INSTANTIATE_TEST_SUITE_P(Options, SettingsOptionArt, ::testing::ValuesIn(kOptions),
                         [](const auto& info) {
                             return std::string(info.param.name) + "_" +
                                    std::to_string(info.param.dpi) + "dpi";
                         });

// The box's straight edges lie on whole pixels: across the middle of the
// top edge the outline is opaque for its whole width, clear on both sides.
TEST(SettingsCheckBoxArt, OutlineIsCrisp) {
    struct Case {
        int dpi, top, line;
    };
    for (const Case c : {Case{96, 2, 1}, Case{144, 4, 2}}) {
        const TBitmap32 normal = DrawCheckBox(DisplayScale(c.dpi)).plain.normal;
        const int mid = normal.Width() / 2;
        EXPECT_EQ(AlphaOf(At(normal, mid, c.top - 1)), 0u) << c.dpi;
        for (int i = 0; i < c.line; ++i) {
            EXPECT_EQ(At(normal, mid, c.top + i), kOutlineColor) << c.dpi;
        }
        EXPECT_EQ(AlphaOf(At(normal, mid, c.top + c.line)), 0u) << c.dpi;
    }
}

TEST(SettingsCheckBoxArt, TickedIsAWhiteCheckOnTheAccent) {
    const ButtonArt art = DrawCheckBox();
    // The box's edge is the accent, opaque, and the check is white.
    EXPECT_EQ(At(art.latched.normal, 10, 2), kAccentColor);
    EXPECT_EQ(At(art.latched.normal, 2, 10), kAccentColor);
    // The check: pixels mostly white, none of them in the unticked box.
    const auto whitish = [](TColor32 p) { return AlphaOf(p) == 255 && RedOf(p) > 160; };
    EXPECT_GE(CountIf(art.latched.normal, whitish), 12);
    EXPECT_EQ(CountIf(art.plain.normal, whitish), 0);
    // Lighter under the pointer, darker while held.
    EXPECT_EQ(At(art.latched.move, 10, 2), Color32(55, 201, 243));
    EXPECT_EQ(At(art.latched.down, 10, 2), Color32(25, 171, 212));
    // A rounded box: its corner pixel only partly covered.
    EXPECT_LT(AlphaOf(At(art.latched.normal, 2, 2)), 200u);
    EXPECT_GT(AlphaOf(At(art.latched.normal, 2, 2)), 0u);
}

// A circle: the box's corners stay clear in every state, and both the ring
// and the chosen dot are centred across the button.
TEST(SettingsRadioArt, IsRoundAndCentred) {
    for (const int dpi : {96, 144}) {
        const ButtonArt art = DrawRadio(DisplayScale(dpi));
        const TRect box = dpi == 96 ? TRect{2, 2, 18, 18} : TRect{3, 4, 27, 28};
        for (const StatePictures* set : {&art.plain, &art.latched}) {
            for (const auto& [state, p] : States(*set)) {
                for (const auto& [x, y] :
                     {std::pair{box.Left + 1, box.Top + 1}, std::pair{box.Right - 2, box.Top + 1},
                      std::pair{box.Left + 1, box.Bottom - 2},
                      std::pair{box.Right - 2, box.Bottom - 2}}) {
                    EXPECT_EQ(AlphaOf(At(*p, x, y)), 0u)
                        << dpi << " " << state << " " << x << "," << y;
                }
            }
        }
        for (const TBitmap32* p : {&art.plain.normal, &art.latched.normal}) {
            for (int y = 0; y < p->Height(); ++y) {
                for (int x = 0; x < p->Width() / 2; ++x) {
                    // The same colour; the coverage within the rasterizer's
                    // rounding.
                    const TColor32 a = At(*p, x, y), b = At(*p, p->Width() - 1 - x, y);
                    ASSERT_EQ(a & 0xFFFFFFu, b & 0xFFFFFFu) << dpi << " " << x << "," << y;
                    ASSERT_NEAR(AlphaOf(a), AlphaOf(b), 2) << dpi << " " << x << "," << y;
                }
            }
        }
        // The dot's middle is accent; between dot and ring it is clear.
        const int cx = (box.Left + box.Right) / 2, cy = (box.Top + box.Bottom) / 2;
        EXPECT_EQ(At(art.latched.normal, cx, cy), kAccentColor) << dpi;
        const int gap = dpi == 96 ? 4 : 7;  // past the ring, short of the dot
        EXPECT_EQ(AlphaOf(At(art.latched.normal, gap, cy)), 0u) << dpi;
        EXPECT_EQ(AlphaOf(At(art.plain.normal, cx, cy)), 0u) << dpi;
    }
}

// The chosen page: the accent bar down the left edge, the frame's fill
// behind the rest. The others: no accent, the panel surface, hover and
// pressed fills. All: the frame's border colour along the top and left.
TEST(SettingsPageButtonArt, ChosenPageHasTheAccentBar) {
    struct Case {
        int dpi, bar, line;
    };
    for (const Case c : {Case{96, 3, 1}, Case{144, 5, 2}}) {
        const ButtonArt art = DrawPageButton(120, 108, DisplayScale(c.dpi));
        const TBitmap32& chosen = art.latched.normal;
        const int h = chosen.Height(), mid = h / 2, inner = chosen.Width() / 2;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < c.bar; ++x) ASSERT_EQ(At(chosen, x, y), kAccentColor) << c.dpi;
        }
        EXPECT_EQ(At(chosen, c.bar, mid), kFrame) << c.dpi;
        EXPECT_EQ(At(chosen, inner, mid), kFrame) << c.dpi;
        EXPECT_EQ(At(art.latched.move, 0, mid), kAccentColor) << c.dpi;
        for (const auto& [state, p] : States(art.plain)) {
            EXPECT_EQ(CountIf(*p, IsAccent), 0) << state << " " << c.dpi;
        }
        EXPECT_EQ(At(art.plain.normal, inner, mid), kPanel) << c.dpi;
        EXPECT_EQ(At(art.plain.move, inner, mid), kHover) << c.dpi;
        EXPECT_EQ(At(art.plain.down, inner, mid), kPressed) << c.dpi;
        for (const TBitmap32* p : {&art.plain.normal, &chosen}) {
            EXPECT_EQ(At(*p, inner, c.line - 1), kHover) << c.dpi;
            EXPECT_NE(At(*p, inner, c.line), kHover) << c.dpi;
        }
        EXPECT_EQ(At(art.plain.normal, c.line - 1, mid), kHover) << c.dpi;
        EXPECT_EQ(At(art.plain.normal, c.line, mid), kPanel) << c.dpi;
        EXPECT_EQ(AlphaOf(At(art.plain.disabled, inner, mid)), 102u) << c.dpi;
    }
}

// The boxes round the edit fields (rounded) and the frame (square corners).
TEST(SettingsFieldBoxArt, FillInsideABorderOfWholePixels) {
    struct Case {
        int width96, height96, dpi;
        double radius;
        int line;
        bool roundCorner;
    };
    const Case cases[] = {
        {193, 33, 96, kFieldBoxRadius, 1, true},
        {347, 33, 144, kFieldBoxRadius, 2, true},
        {636, 325, 96, 0, 1, false},
    };
    for (const Case& c : cases) {
        const DisplayScale scale(c.dpi);
        const TBitmap32 box =
            DrawFieldBox(c.width96, c.height96, kPanel, kOutlineColor, scale, c.radius);
        ASSERT_EQ(box.Width(), scale.Px(c.width96));
        ASSERT_EQ(box.Height(), scale.Px(c.height96));
        const int w = box.Width(), h = box.Height();
        for (int i = 0; i < c.line; ++i) {
            EXPECT_EQ(At(box, w / 2, i), kOutlineColor) << c.width96;
            EXPECT_EQ(At(box, w / 2, h - 1 - i), kOutlineColor) << c.width96;
            EXPECT_EQ(At(box, i, h / 2), kOutlineColor) << c.width96;
            EXPECT_EQ(At(box, w - 1 - i, h / 2), kOutlineColor) << c.width96;
        }
        EXPECT_EQ(At(box, c.line, h / 2), kPanel) << c.width96;
        EXPECT_EQ(At(box, w / 2, h / 2), kPanel) << c.width96;
        if (c.roundCorner) {
            EXPECT_LT(AlphaOf(At(box, 0, 0)), 64u) << c.width96;
        } else {
            EXPECT_EQ(At(box, 0, 0), kOutlineColor) << c.width96;
        }
    }
}

}  // namespace
}  // namespace lg::art
