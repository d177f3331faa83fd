#include "art/button_art.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <numbers>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace lg::art {
namespace {

constexpr TColor32 kPanel = Color32(9, 26, 50);
constexpr TColor32 kHover = Color32(26, 53, 91);
constexpr TColor32 kPressed = Color32(39, 75, 126);
constexpr TColor32 kOutlineColor = Color32(74, 110, 161);
constexpr TColor32 kAccent = Color32(28, 194, 241);

TColor32 At(const TBitmap32& b, int x, int y) {
    return *b.PixelPtr(x, y);
}

std::uint32_t Rgb(TColor32 c) {
    return c & 0x00FFFFFFu;
}

// The eight pictures of a button with their names, for messages.
std::array<std::pair<const char*, const TBitmap32*>, 8> AllStates(const ButtonArt& art) {
    return {{{"normal", &art.plain.normal},
             {"down", &art.plain.down},
             {"move", &art.plain.move},
             {"disabled", &art.plain.disabled},
             {"normal2", &art.latched.normal},
             {"down2", &art.latched.down},
             {"move2", &art.latched.move},
             {"disabled2", &art.latched.disabled}}};
}

// A pixel in the body of a stroke: the first one the normal picture, drawn
// on nothing, covers fully.
std::pair<int, int> InkPixel(const TBitmap32& normal) {
    for (int y = 0; y < normal.Height(); ++y) {
        for (int x = 0; x < normal.Width(); ++x) {
            if (AlphaOf(At(normal, x, y)) == 255) return {x, y};
        }
    }
    return {-1, -1};
}

// Sizes in 96-DPI pixels, drawn at `dpi`.
struct GlyphCase {
    Glyph glyph;
    int width;
    int height;
    const char* name;
    int dpi = 96;
};

// Every icon glyph at the size its window gives it (the colour button,
// which is a frame rather than an icon, has its own tests below).
constexpr GlyphCase kGlyphs[] = {
    {Glyph::Arrow, 38, 38, "Arrow"},
    {Glyph::Pen, 38, 38, "Pen"},
    {Glyph::Rect, 38, 38, "Rect"},
    {Glyph::Line, 38, 38, "Line"},
    {Glyph::Marker, 38, 38, "Marker"},
    {Glyph::Width, 38, 38, "Width"},
    {Glyph::FillRect, 38, 38, "FillRect"},
    {Glyph::Text, 38, 38, "Text"},
    {Glyph::Stamp, 38, 38, "Stamp"},
    {Glyph::Blur, 38, 38, "Blur"},
    {Glyph::Undo, 38, 38, "Undo"},
    {Glyph::Redo, 38, 38, "Redo"},
    {Glyph::Upload, 38, 33, "Upload"},
    {Glyph::Copy, 38, 38, "Copy"},
    {Glyph::Save, 38, 38, "Save"},
    {Glyph::Close, 38, 38, "Close"},
    {Glyph::CloseSmall, 20, 20, "CloseSmall"},
    {Glyph::CloseSmall, 14, 14, "CloseSmall14"},
    {Glyph::Reset, 16, 16, "Reset"},
    {Glyph::Bold, 38, 38, "Bold"},
    {Glyph::Italic, 38, 38, "Italic"},
    {Glyph::Underline, 38, 38, "Underline"},
    {Glyph::Strike, 38, 38, "Strike"},
};

// The same glyphs on displays of 150 % and 200 %.
std::vector<GlyphCase> ScaledGlyphs() {
    std::vector<GlyphCase> cases;
    for (const int dpi : {144, 192}) {
        for (GlyphCase c : kGlyphs) {
            c.dpi = dpi;
            cases.push_back(c);
        }
    }
    return cases;
}

void PrintTo(const GlyphCase& c, std::ostream* os) {
    *os << c.name << " " << c.width << "x" << c.height << " at " << c.dpi << " dpi";
}

class GlyphArt : public ::testing::TestWithParam<GlyphCase> {
protected:
    void SetUp() override {
        const GlyphCase& c = GetParam();
        art_ = c.dpi == 96 ? DrawGlyphButton(c.glyph, c.width, c.height)
                           : DrawGlyphButton(c.glyph, c.width, c.height, Scale());
    }
    DisplayScale Scale() const { return DisplayScale(GetParam().dpi); }
    int Width() const { return Scale().Px(GetParam().width); }
    int Height() const { return Scale().Px(GetParam().height); }
    // The rounded 32 x 32 plate centred in the button (all of a smaller one).
    TRect PlateBox() const {
        const int side = Scale().Px(32);
        const int w = std::min(Width(), side), h = std::min(Height(), side);
        const int left = (Width() - w) / 2, top = (Height() - h) / 2;
        return {left, top, left + w, top + h};
    }
    ButtonArt art_;
};

TEST_P(GlyphArt, EveryStateHasTheButtonsSize) {
    for (const auto& [name, picture] : AllStates(art_)) {
        EXPECT_EQ(picture->Width(), Width()) << name;
        EXPECT_EQ(picture->Height(), Height()) << name;
    }
}

TEST_P(GlyphArt, NothingIsDrawnOutsideThePlate) {
    const TRect plate = PlateBox();
    for (const auto& [name, picture] : AllStates(art_)) {
        for (int y = 0; y < picture->Height(); ++y) {
            for (int x = 0; x < picture->Width(); ++x) {
                const bool inside =
                    x >= plate.Left && x < plate.Right && y >= plate.Top && y < plate.Bottom;
                if (!inside) {
                    ASSERT_EQ(AlphaOf(At(*picture, x, y)), 0u) << name << " " << x << "," << y;
                }
            }
        }
    }
}

TEST_P(GlyphArt, StatesShowTheirInkAndPlate) {
    const ButtonArt& a = art_;
    // Ink: light, white, accent.
    const auto [ix, iy] = InkPixel(a.plain.normal);
    ASSERT_GE(ix, 0) << "the strokes have fully covered bodies";
    EXPECT_EQ(At(a.plain.normal, ix, iy), Color32(229, 229, 229));
    EXPECT_EQ(At(a.plain.move, ix, iy), Color32(255, 255, 255));
    EXPECT_EQ(At(a.plain.down, ix, iy), Color32(255, 255, 255));
    EXPECT_EQ(At(a.latched.normal, ix, iy), kAccent);
    // Plate: none, hover, pressed, pressed; sampled beside the glyph box
    // on the plate's middle row.
    const TRect plate = PlateBox();
    const int x = plate.Left + 1, y = (plate.Top + plate.Bottom) / 2;
    EXPECT_EQ(AlphaOf(At(a.plain.normal, x, y)), 0u);
    EXPECT_EQ(At(a.plain.move, x, y), kHover);
    EXPECT_EQ(At(a.plain.down, x, y), kPressed);
    EXPECT_EQ(At(a.latched.normal, x, y), kPressed);
    // The latched hover and press answer the pointer, yet stay latched:
    // accent-coloured ink on a plate, both unlike the latched normal.
    for (const TBitmap32* p : {&a.latched.move, &a.latched.down}) {
        const TColor32 ink = At(*p, ix, iy);
        EXPECT_GT(BlueOf(ink), 2 * RedOf(ink));
        EXPECT_NE(ink, kAccent);
        EXPECT_EQ(AlphaOf(At(*p, x, y)), 255u);
    }
}

TEST_P(GlyphArt, EdgesKeepTheirColourOnATransparentBackground) {
    // Straight alpha: an anti-aliased edge or a translucent part is its
    // colour, fainter, not the colour darkened towards black. Without a
    // plate every visible pixel is the ink; with one, the only pixels not
    // opaque are the plate's rounded corners, in the plate's colour.
    for (std::size_t i = 0; i < art_.plain.normal.Pixels().size(); ++i) {
        const TColor32 p = art_.plain.normal.Pixels()[i];
        if (AlphaOf(p) != 0) {
            ASSERT_EQ(Rgb(p), Rgb(Color32(229, 229, 229))) << "normal, pixel " << i;
        }
        const TColor32 m = art_.plain.move.Pixels()[i];
        if (AlphaOf(m) != 0 && AlphaOf(m) != 255) {
            ASSERT_EQ(Rgb(m), Rgb(kHover)) << "hover, pixel " << i;
        }
    }
}

TEST_P(GlyphArt, DisabledIsNormalAt40Percent) {
    const auto check = [](const TBitmap32& normal, const TBitmap32& disabled, const char* set) {
        ASSERT_EQ(disabled.Width(), normal.Width());
        ASSERT_EQ(disabled.Height(), normal.Height());
        for (std::size_t i = 0; i < normal.Pixels().size(); ++i) {
            const TColor32 n = normal.Pixels()[i], d = disabled.Pixels()[i];
            ASSERT_EQ(AlphaOf(d), (AlphaOf(n) * 102 + 127) / 255) << set << " pixel " << i;
            if (AlphaOf(d) != 0) {
                ASSERT_EQ(Rgb(d), Rgb(n)) << set << " pixel " << i;
            }
        }
    };
    check(art_.plain.normal, art_.plain.disabled, "plain");
    check(art_.latched.normal, art_.latched.disabled, "latched");
}

// The ink of a picture: its total coverage in pixels and its centre
// relative to the middle of the picture.
struct Ink {
    double amount = 0;
    double dx = 0;
    double dy = 0;
};

Ink InkOf(const TBitmap32& picture) {
    double sum = 0, sx = 0, sy = 0;
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            const double a = AlphaOf(At(picture, x, y)) / 255.0;
            sum += a;
            sx += a * (x + 0.5);
            sy += a * (y + 0.5);
        }
    }
    if (sum == 0) return {};
    return {sum, sx / sum - picture.Width() / 2.0, sy / sum - picture.Height() / 2.0};
}

// Drawn at another scale, a glyph is the 96-DPI design grown about the
// button's middle: its ink area grows with the square of the factor (not
// a 96-DPI glyph in a larger button) and its centre lies where the
// design's lies in its 20 x 20 box, grown, from the middle of the button.
// The box rounds to whole pixels, at 96 DPI too (half a pixel high in the
// 33 px upload button), so the centre may be off by up to half a pixel.
TEST_P(GlyphArt, InkIsTheDesignGrownAboutTheMiddle) {
    const GlyphCase& c = GetParam();
    const Ink design = InkOf(DrawGlyphButton(c.glyph, c.width, c.height).plain.normal);
    const Ink drawn = InkOf(art_.plain.normal);
    const double f = Scale().Factor();
    // The design's ink centre from its box's centre.
    const auto inBox = [](double fromMiddle, int side) {
        return fromMiddle + side / 2.0 - ((side - 20) / 2 + 10);
    };
    EXPECT_NEAR(drawn.amount, design.amount * f * f, design.amount * f * f * 0.05);
    EXPECT_NEAR(drawn.dx, inBox(design.dx, c.width) * f, 0.6);
    EXPECT_NEAR(drawn.dy, inBox(design.dy, c.height) * f, 0.6);
}

TEST_P(GlyphArt, PlateCornersHaveTheScaledRadius) {
    // The pixel one in from the plate's corner lies mostly outside a corner
    // of radius 4 x scale, mostly inside one of radius 4 left unscaled.
    const TRect plate = PlateBox();
    const std::uint32_t corner = AlphaOf(At(art_.plain.move, plate.Left + 1, plate.Top + 1));
    if (Scale().IsIdentity()) {
        EXPECT_GT(corner, 128u);
    } else {
        EXPECT_LT(corner, 128u);
    }
}

INSTANTIATE_TEST_SUITE_P(AllGlyphs, GlyphArt, ::testing::ValuesIn(kGlyphs),
                         [](const auto& info) { return std::string(info.param.name); });
INSTANTIATE_TEST_SUITE_P(ScaledGlyphs, GlyphArt, ::testing::ValuesIn(ScaledGlyphs()),
                         [](const auto& info) {
                             return std::string(info.param.name) + "_" +
                                    std::to_string(info.param.dpi) + "dpi";
                         });

// Windows may lay a button out smaller than its artwork (or not at all yet):
// every picture then has the size asked for, whatever of the art fits.
TEST(GlyphArtSizes, TinyAndEmptyButtonsGetPicturesOfTheirSize) {
    const std::pair<int, int> sizes[] = {{0, 0}, {1, 1}, {7, 5}, {12, 30}};
    for (const auto& [w, h] : sizes) {
        for (int g = 0; g <= static_cast<int>(Glyph::Strike); ++g) {
            const ButtonArt art = DrawGlyphButton(static_cast<Glyph>(g), w, h);
            for (const auto& [name, picture] : AllStates(art)) {
                EXPECT_EQ(picture->Width(), w) << g << " " << name;
                EXPECT_EQ(picture->Height(), h) << g << " " << name;
            }
        }
        for (const auto kind : {TextButtonKind::Primary, TextButtonKind::Secondary}) {
            const ButtonArt art = DrawTextButton(kind, w, h);
            EXPECT_EQ(art.plain.move.Width(), w);
            EXPECT_EQ(art.plain.move.Height(), h);
        }
        const TBitmap32 separator = DrawSeparator(w, h);
        EXPECT_EQ(separator.Width(), w);
        EXPECT_EQ(separator.Height(), h);
        if (std::max(w, h) <= 16) {
            EXPECT_TRUE(std::ranges::all_of(separator.Pixels(), [](TColor32 p) { return p == 0; }))
                << "no room inside the 8 px insets";
        }
    }
}

// Straight strokes lie on whole pixels: a 2 px line covers two rows fully
// and leaves its neighbours untouched, a 1 px line one row. Positions are
// in the 38 x 38 button (glyph box at 9, 9).
struct CrispCase {
    Glyph glyph;
    int x, y;
    std::uint32_t alpha;
};

TEST(GlyphArtCrisp, StraightStrokesAreSharp) {
    const CrispCase cases[] = {
        // Rect: top edge on box rows 4 and 5.
        {Glyph::Rect, 19, 12, 0},
        {Glyph::Rect, 19, 13, 255},
        {Glyph::Rect, 19, 14, 255},
        {Glyph::Rect, 19, 15, 0},
        // Width: the 1 px line on box row 4, the 2 px on rows 8 and 9.
        {Glyph::Width, 19, 12, 0},
        {Glyph::Width, 19, 13, 255},
        {Glyph::Width, 19, 14, 0},
        {Glyph::Width, 19, 17, 255},
        {Glyph::Width, 19, 18, 255},
        // Save: the arrow's stem on box columns 9 and 10.
        {Glyph::Save, 17, 14, 0},
        {Glyph::Save, 18, 14, 255},
        {Glyph::Save, 19, 14, 255},
        {Glyph::Save, 20, 14, 0},
        // Bold: the 3 px stem on box columns 5 to 7.
        {Glyph::Bold, 13, 19, 0},
        {Glyph::Bold, 14, 19, 255},
        {Glyph::Bold, 16, 19, 255},
        // Underline: the bar on box rows 15 and 16, wider than the letter.
        {Glyph::Underline, 13, 23, 0},
        {Glyph::Underline, 13, 24, 255},
        {Glyph::Underline, 13, 25, 255},
        {Glyph::Underline, 13, 26, 0},
        // Strike: the bar on box rows 9 and 10, beyond the letter's sides.
        {Glyph::Strike, 12, 17, 0},
        {Glyph::Strike, 12, 18, 255},
        {Glyph::Strike, 12, 19, 255},
        {Glyph::Strike, 12, 20, 0},
        {Glyph::Strike, 25, 18, 255},
    };
    for (const CrispCase& c : cases) {
        const ButtonArt art = DrawGlyphButton(c.glyph, 38, 38);
        EXPECT_EQ(AlphaOf(At(art.plain.normal, c.x, c.y)), c.alpha)
            << static_cast<int>(c.glyph) << " at " << c.x << "," << c.y;
    }
}

// The font style toggles must tell their styles apart: no two letters
// share their ink, and the italic one leans, its upper half right of its
// lower half.
TEST(StyleButtonArt, LettersDifferAndTheItalicLeans) {
    const Glyph styles[] = {Glyph::Bold, Glyph::Italic, Glyph::Underline, Glyph::Strike};
    std::vector<TBitmap32> normal;
    for (const Glyph g : styles) normal.push_back(DrawGlyphButton(g, 38, 38).plain.normal);
    for (std::size_t i = 0; i < normal.size(); ++i) {
        for (std::size_t j = i + 1; j < normal.size(); ++j) {
            EXPECT_FALSE(std::ranges::equal(normal[i].Pixels(), normal[j].Pixels())) << i << j;
        }
    }
    const TBitmap32& italic = normal[1];
    const auto centreX = [&italic](int fromRow, int toRow) {
        double sum = 0, sx = 0;
        for (int y = fromRow; y < toRow; ++y) {
            for (int x = 0; x < italic.Width(); ++x) {
                const double a = AlphaOf(At(italic, x, y)) / 255.0;
                sum += a;
                sx += a * x;
            }
        }
        return sx / sum;
    };
    EXPECT_GT(centreX(9, 19), centreX(19, 29) + 2);
}

TEST(GlyphArtShapes, KnockoutsShowThePlateAndTranslucentPartsStayTranslucent) {
    // The "1" cut out of the stamp's disc shows the plate, not a hole
    // through it to the window.
    const ButtonArt stamp = DrawGlyphButton(Glyph::Stamp, 38, 38);
    const int stemX = 9 + 10, stemY = 9 + 11;
    EXPECT_EQ(AlphaOf(At(stamp.plain.normal, stemX, stemY)), 0u);
    EXPECT_EQ(At(stamp.plain.move, stemX, stemY), kHover);
    EXPECT_EQ(At(stamp.plain.normal, 9 + 5, 9 + 10), Color32(229, 229, 229)) << "the disc";

    // The filled rectangle's inside and the marker's stroke are ink at part
    // opacity: translucent on their own, a mix of ink and plate on the plate.
    const std::pair<Glyph, std::pair<int, int>> translucent[] = {{Glyph::FillRect, {19, 19}},
                                                                 {Glyph::Marker, {9 + 15, 9 + 16}}};
    for (const auto& [glyph, xy] : translucent) {
        const ButtonArt art = DrawGlyphButton(glyph, 38, 38);
        const TColor32 alone = At(art.plain.normal, xy.first, xy.second);
        EXPECT_GT(AlphaOf(alone), 60u) << static_cast<int>(glyph);
        EXPECT_LT(AlphaOf(alone), 180u) << static_cast<int>(glyph);
        const TColor32 onPlate = At(art.plain.move, xy.first, xy.second);
        EXPECT_EQ(AlphaOf(onPlate), 255u);
        EXPECT_GT(RedOf(onPlate), RedOf(kHover));
        EXPECT_LT(RedOf(onPlate), 255u);
    }
}

// The colour button: state pictures over a background filled with the
// colour. Hole (10, 10)-(38, 28) in the 48 x 38 button.
TEST(SwatchArt, ColourShowsThroughTheHoleOnly) {
    const ButtonArt art = DrawGlyphButton(Glyph::Color, 48, 38);
    const int cx = 24, cy = 19;
    for (const auto& [name, picture] : AllStates(art)) {
        ASSERT_EQ(picture->Width(), 48) << name;
        ASSERT_EQ(picture->Height(), 38) << name;
        // Opaque panel at the corners and along the edges.
        EXPECT_EQ(At(*picture, 0, 0), kPanel) << name;
        EXPECT_EQ(At(*picture, 47, 37), kPanel) << name;
        EXPECT_EQ(At(*picture, 24, 1), kPanel) << name;
        // Only the hole is see-through.
        for (int y = 0; y < 38; ++y) {
            for (int x = 0; x < 48; ++x) {
                if (AlphaOf(At(*picture, x, y)) == 255) continue;
                ASSERT_TRUE(x >= 10 && x < 38 && y >= 10 && y < 28) << name << " " << x << "," << y;
            }
        }
    }
    // The ring just outside the hole in the state's ink; the plate around.
    EXPECT_EQ(At(art.plain.normal, 9, cy), Color32(229, 229, 229));
    EXPECT_EQ(At(art.plain.move, 9, cy), Color32(255, 255, 255));
    EXPECT_EQ(At(art.latched.normal, 9, cy), kAccent);
    EXPECT_EQ(At(art.plain.normal, 5, cy), kPanel);
    EXPECT_EQ(At(art.plain.move, 5, cy), kHover);
    EXPECT_EQ(At(art.plain.down, 5, cy), kPressed);
    // The hole: clear, except when disabled, where the panel veils the
    // colour as much as the 40 % rule dims everything else.
    for (const TBitmap32* p : {&art.plain.normal, &art.plain.down, &art.plain.move,
                               &art.latched.normal, &art.latched.down, &art.latched.move}) {
        EXPECT_EQ(AlphaOf(At(*p, cx, cy)), 0u);
        EXPECT_EQ(AlphaOf(At(*p, 10, 20)), 0u) << "the hole reaches its edge";
    }
    for (const TBitmap32* p : {&art.plain.disabled, &art.latched.disabled}) {
        EXPECT_EQ(At(*p, cx, cy), WithAlpha(kPanel, 153));
    }
}

TEST(TextButtonArt, PrimaryFillsWithTheAccentAndShiftsIt) {
    const ButtonArt art = DrawTextButton(TextButtonKind::Primary, 142, 38);
    const TColor32 normal = At(art.plain.normal, 71, 19);
    const TColor32 move = At(art.plain.move, 71, 19);
    const TColor32 down = At(art.plain.down, 71, 19);
    EXPECT_EQ(normal, kAccent);
    EXPECT_EQ(move, Color32(55, 201, 243)) << "12 % towards white";
    EXPECT_EQ(down, Color32(25, 171, 212)) << "12 % towards black";
    // Rounded: the corner pixel is mostly outside, the edge's middle inside.
    EXPECT_LT(AlphaOf(At(art.plain.normal, 0, 0)), 128u);
    EXPECT_EQ(At(art.plain.normal, 71, 0), kAccent);
    EXPECT_EQ(At(art.plain.disabled, 71, 19), WithAlpha(kAccent, 102));
}

TEST(TextButtonArt, SecondaryIsAnOutlineThatFillsUnderThePointer) {
    const ButtonArt art = DrawTextButton(TextButtonKind::Secondary, 142, 38);
    for (const TBitmap32* p : {&art.plain.normal, &art.plain.move, &art.plain.down}) {
        EXPECT_EQ(At(*p, 71, 0), kOutlineColor);
        EXPECT_EQ(At(*p, 0, 19), kOutlineColor);
        EXPECT_EQ(At(*p, 141, 19), kOutlineColor);
    }
    EXPECT_EQ(AlphaOf(At(art.plain.normal, 71, 19)), 0u);
    EXPECT_EQ(At(art.plain.move, 71, 19), kHover);
    EXPECT_EQ(At(art.plain.down, 71, 19), kPressed);
    EXPECT_EQ(At(art.plain.disabled, 71, 0), WithAlpha(kOutlineColor, 102));
}

TEST(TextButtonArt, LatchedSetIsThePlainSet) {
    for (const TextButtonKind kind : {TextButtonKind::Primary, TextButtonKind::Secondary}) {
        const ButtonArt art = DrawTextButton(kind, 100, 30);
        EXPECT_TRUE(std::ranges::equal(art.latched.normal.Pixels(), art.plain.normal.Pixels()));
        EXPECT_TRUE(std::ranges::equal(art.latched.move.Pixels(), art.plain.move.Pixels()));
        EXPECT_TRUE(std::ranges::equal(art.latched.down.Pixels(), art.plain.down.Pixels()));
        EXPECT_TRUE(std::ranges::equal(art.latched.disabled.Pixels(), art.plain.disabled.Pixels()));
    }
}

TEST(SeparatorArt, OnePixelLineInsetFromItsEnds) {
    struct Case {
        int width, height;
        bool vertical;
    };
    for (const Case c : {Case{10, 38, true}, Case{38, 10, false}}) {
        const TBitmap32 s = DrawSeparator(c.width, c.height);
        ASSERT_EQ(s.Width(), c.width);
        ASSERT_EQ(s.Height(), c.height);
        int drawn = 0;
        for (int y = 0; y < c.height; ++y) {
            for (int x = 0; x < c.width; ++x) {
                const int along = c.vertical ? y : x, across = c.vertical ? x : y;
                const int length = c.vertical ? c.height : c.width;
                const int middle = (c.vertical ? c.width : c.height) / 2;
                const bool on = across == middle && along >= 8 && along < length - 8;
                EXPECT_EQ(At(s, x, y), on ? kPressed : 0u) << x << "," << y;
                drawn += on;
            }
        }
        EXPECT_EQ(drawn, 38 - 16);
    }
}

// Every picture has the display's size for its 96-DPI size: each side
// scaled and rounded to the nearest pixel.
TEST(ScaledArt, PicturesHaveTheScaledSize) {
    enum class Kind { GlyphButton, TextButton, Separator };
    struct Case {
        Kind kind;
        Glyph glyph;
        int width96, height96, dpi, width, height;
    };
    const Case cases[] = {
        {Kind::GlyphButton, Glyph::Arrow, 38, 38, 96, 38, 38},
        {Kind::GlyphButton, Glyph::Arrow, 38, 38, 120, 48, 48},
        {Kind::GlyphButton, Glyph::Arrow, 38, 38, 144, 57, 57},
        {Kind::GlyphButton, Glyph::Arrow, 38, 38, 192, 76, 76},
        {Kind::GlyphButton, Glyph::Color, 48, 38, 144, 72, 57},
        {Kind::GlyphButton, Glyph::Color, 48, 38, 192, 96, 76},
        {Kind::GlyphButton, Glyph::Upload, 38, 33, 144, 57, 50},
        {Kind::GlyphButton, Glyph::Upload, 38, 33, 192, 76, 66},
        {Kind::GlyphButton, Glyph::CloseSmall, 20, 20, 144, 30, 30},
        {Kind::GlyphButton, Glyph::CloseSmall, 20, 20, 192, 40, 40},
        {Kind::TextButton, Glyph::Arrow, 142, 38, 96, 142, 38},
        {Kind::TextButton, Glyph::Arrow, 142, 38, 144, 213, 57},
        {Kind::TextButton, Glyph::Arrow, 142, 38, 192, 284, 76},
        {Kind::Separator, Glyph::Arrow, 10, 38, 96, 10, 38},
        {Kind::Separator, Glyph::Arrow, 10, 38, 144, 15, 57},
        {Kind::Separator, Glyph::Arrow, 10, 38, 192, 20, 76},
    };
    for (const Case& c : cases) {
        const DisplayScale scale(c.dpi);
        std::vector<const TBitmap32*> pictures;
        ButtonArt art;
        TBitmap32 separator;
        if (c.kind == Kind::Separator) {
            separator = DrawSeparator(c.width96, c.height96, scale);
            pictures.push_back(&separator);
        } else {
            art = c.kind == Kind::GlyphButton
                      ? DrawGlyphButton(c.glyph, c.width96, c.height96, scale)
                      : DrawTextButton(TextButtonKind::Secondary, c.width96, c.height96, scale);
            for (const auto& state : AllStates(art)) pictures.push_back(state.second);
        }
        for (const TBitmap32* p : pictures) {
            EXPECT_EQ(p->Width(), c.width) << static_cast<int>(c.kind) << " at " << c.dpi;
            EXPECT_EQ(p->Height(), c.height) << static_cast<int>(c.kind) << " at " << c.dpi;
        }
    }
}

// At 96 DPI, and for a failed DPI query (0), the pictures are the ones the
// windows have always had: the same as without a scale.
TEST(ScaledArt, NinetySixDpiDrawsTheDesign) {
    const auto same = [](const ButtonArt& a, const ButtonArt& b) {
        const auto sa = AllStates(a), sb = AllStates(b);
        for (std::size_t i = 0; i < sa.size(); ++i) {
            if (!std::ranges::equal(sa[i].second->Pixels(), sb[i].second->Pixels())) return false;
        }
        return true;
    };
    for (const DisplayScale scale : {DisplayScale(96), DisplayScale(0)}) {
        for (int g = 0; g <= static_cast<int>(Glyph::Strike); ++g) {
            const auto glyph = static_cast<Glyph>(g);
            EXPECT_TRUE(same(DrawGlyphButton(glyph, 48, 38, scale), DrawGlyphButton(glyph, 48, 38)))
                << g;
        }
        for (const auto kind : {TextButtonKind::Primary, TextButtonKind::Secondary}) {
            EXPECT_TRUE(same(DrawTextButton(kind, 142, 38, scale), DrawTextButton(kind, 142, 38)));
        }
        EXPECT_TRUE(std::ranges::equal(DrawSeparator(10, 38, scale).Pixels(),
                                       DrawSeparator(10, 38).Pixels()));
    }
}

// Strokes are drawn at the display's width, not the 96-DPI one: the ink
// met along one line of pixels across a stroke (a row through a diagonal
// or an upright, a column through a level one) grows with the factor.
TEST(ScaledArt, StrokesWidenWithTheScale) {
    struct Case {
        Glyph glyph;
        bool row;    // sample a row, else a column
        double at;   // where, in glyph box units
        double ink;  // ink met at 96 DPI, in pixels
    };
    const Case cases[] = {
        {Glyph::Line, true, 10, 2 * std::numbers::sqrt2},             // one diagonal
        {Glyph::Close, true, 7, 4 * std::numbers::sqrt2},             // both diagonals
        {Glyph::Save, true, 6, 2},                                    // the arrow's stem
        {Glyph::Rect, false, 10, 4},                                  // top and bottom edges
        {Glyph::CloseSmall, true, 8, 2 * 1.5 * std::numbers::sqrt2},  // finer cross
    };
    for (const Case& c : cases) {
        const int side = c.glyph == Glyph::CloseSmall ? 20 : 38;
        for (const int dpi : {96, 144, 192}) {
            const DisplayScale scale(dpi);
            const TBitmap32 picture = DrawGlyphButton(c.glyph, side, side, scale).plain.normal;
            const int box = (picture.Width() - scale.Px(20)) / 2;
            const int line = box + static_cast<int>(c.at * scale.Factor());
            double ink = 0;
            for (int i = 0; i < picture.Width(); ++i) {
                ink += AlphaOf(c.row ? At(picture, i, line) : At(picture, line, i)) / 255.0;
            }
            EXPECT_NEAR(ink, c.ink * scale.Factor(), 0.06 * c.ink * scale.Factor())
                << static_cast<int>(c.glyph) << " at " << dpi;
        }
    }
}

// The separator keeps whole pixels: at 200 % a 2 px line inset 16 px; at
// 150 % the 1.5 px line rounds to 2, the inset is 12.
TEST(ScaledArt, SeparatorLineAndInsetScale) {
    struct Case {
        int width96, height96, dpi;
        bool vertical;
        int from, thickness, inset;  // across: [from, from + thickness)
    };
    const Case cases[] = {
        {10, 38, 192, true, 9, 2, 16},
        {38, 10, 192, false, 9, 2, 16},
        {10, 38, 144, true, 6, 2, 12},
    };
    for (const Case& c : cases) {
        const TBitmap32 s = DrawSeparator(c.width96, c.height96, DisplayScale(c.dpi));
        const int length = c.vertical ? s.Height() : s.Width();
        for (int y = 0; y < s.Height(); ++y) {
            for (int x = 0; x < s.Width(); ++x) {
                const int along = c.vertical ? y : x, across = c.vertical ? x : y;
                const bool on = across >= c.from && across < c.from + c.thickness &&
                                along >= c.inset && along < length - c.inset;
                ASSERT_EQ(At(s, x, y), on ? kPressed : 0u) << c.dpi << ": " << x << "," << y;
            }
        }
    }
}

// The colour button at 150 % and 200 %: the hole inset by 10 px scaled,
// ringed by a line of whole pixels in the ink, the panel around it.
TEST(ScaledArt, SwatchHoleAndRingScale) {
    struct Case {
        int dpi;
        TRect hole;
        int ring;
    };
    for (const Case& c : {Case{144, {15, 15, 57, 42}, 2}, Case{192, {20, 20, 76, 56}, 2}}) {
        const ButtonArt art = DrawGlyphButton(Glyph::Color, 48, 38, DisplayScale(c.dpi));
        const TBitmap32& normal = art.plain.normal;
        const int cy = (c.hole.Top + c.hole.Bottom) / 2;
        for (int y = 0; y < normal.Height(); ++y) {
            for (int x = 0; x < normal.Width(); ++x) {
                if (AlphaOf(At(normal, x, y)) == 255) continue;
                ASSERT_TRUE(x >= c.hole.Left && x < c.hole.Right && y >= c.hole.Top &&
                            y < c.hole.Bottom)
                    << c.dpi << ": " << x << "," << y;
            }
        }
        EXPECT_EQ(AlphaOf(At(normal, c.hole.Left, cy)), 0u) << c.dpi;
        EXPECT_EQ(AlphaOf(At(normal, c.hole.Right - 1, cy)), 0u) << c.dpi;
        for (int i = 1; i <= c.ring; ++i) {
            EXPECT_EQ(At(normal, c.hole.Left - i, cy), Color32(229, 229, 229)) << c.dpi;
            EXPECT_EQ(At(art.latched.normal, c.hole.Right - 1 + i, cy), kAccent) << c.dpi;
        }
        EXPECT_EQ(At(normal, c.hole.Left - c.ring - 1, cy), kPanel) << c.dpi;
        EXPECT_EQ(At(art.plain.move, c.hole.Left - c.ring - 1, cy), kHover) << c.dpi;
    }
}

// A text button at 200 %: the outline 2 whole pixels wide, the corners of
// radius 8.
TEST(ScaledArt, TextButtonOutlineAndRadiusScale) {
    const DisplayScale scale(192);
    const ButtonArt secondary = DrawTextButton(TextButtonKind::Secondary, 142, 38, scale);
    for (const TBitmap32* p : {&secondary.plain.normal, &secondary.plain.move}) {
        EXPECT_EQ(At(*p, 142, 0), kOutlineColor);
        EXPECT_EQ(At(*p, 142, 1), kOutlineColor);
        EXPECT_EQ(At(*p, 0, 38), kOutlineColor);
        EXPECT_EQ(At(*p, 283, 38), kOutlineColor);
        EXPECT_EQ(At(*p, 1, 38), kOutlineColor);
        EXPECT_LT(AlphaOf(At(*p, 1, 1)), 16u) << "outside a corner of radius 8";
    }
    EXPECT_EQ(AlphaOf(At(secondary.plain.normal, 142, 2)), 0u);
    EXPECT_EQ(At(secondary.plain.move, 142, 2), kHover);
    const ButtonArt primary = DrawTextButton(TextButtonKind::Primary, 142, 38, scale);
    EXPECT_EQ(At(primary.plain.normal, 142, 38), kAccent);
    EXPECT_EQ(At(primary.plain.normal, 142, 0), kAccent);
    EXPECT_LT(AlphaOf(At(primary.plain.normal, 1, 1)), 16u);
}

}  // namespace
}  // namespace lg::art
