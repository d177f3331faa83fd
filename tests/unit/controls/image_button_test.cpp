// The image button: which picture each state shows, how the caption and
// icon move, and when a click is reported — driven through the control
// host as the window drives it.
#include <gtest/gtest.h>

#include "controls/control_host.h"
#include "controls/image_button.h"
#include "raster/fake_text_rasterizer.h"

namespace lg {
namespace {

constexpr TColor32 kSurface = 0xFF102030u;

TBitmap32 Solid(int w, int h, TColor32 c) {
    TBitmap32 b(w, h);
    b.Clear(c);
    return b;
}

// Ten pictures of distinct colours, so the painted centre names the one
// that was drawn.
enum : TColor32 {
    cNormal = 0xFF000001u,
    cDown = 0xFF000002u,
    cMove = 0xFF000003u,
    cDisabled = 0xFF000004u,
    cNormal2 = 0xFF000005u,
    cDown2 = 0xFF000006u,
    cMove2 = 0xFF000007u,
    cDisabled2 = 0xFF000008u,
};

struct ButtonFixture {
    ControlHost host;
    TImageButton button;
    TBitmap32 surface{100, 60};

    explicit ButtonFixture(bool withDisabled = true, bool withDown2 = true) {
        button.SetBounds(10, 10, 38, 38);
        button.SetNormalImage(Solid(20, 20, cNormal));
        button.SetDownImage(Solid(20, 20, cDown));
        button.SetMoveImage(Solid(20, 20, cMove));
        if (withDisabled) button.SetDisabledImage(Solid(20, 20, cDisabled));
        button.SetNormalImage2(Solid(20, 20, cNormal2));
        if (withDown2) button.SetDownImage2(Solid(20, 20, cDown2));
        button.SetMoveImage2(Solid(20, 20, cMove2));
        if (withDisabled) button.SetDisabledImage2(Solid(20, 20, cDisabled2));
        host.Add(button);
    }

    TColor32 PaintedCentre() {
        surface.Clear(kSurface);
        host.Paint(surface, surface.BoundsRect());
        return surface.PixelS(10 + 19, 10 + 19);
    }
};

struct PictureCase {
    bool latched, enabled, pressed, hovered, hasDisabled;
    TColor32 expected;
};

TEST(ImageButtonTest, EveryStateShowsItsPicture) {
    const PictureCase cases[] = {
        // latched enabled pressed hovered hasDisabled
        {false, true, false, false, true, cNormal},
        {false, true, false, true, true, cMove},
        {false, true, true, true, true, cDown},
        {false, false, false, false, true, cDisabled},
        {false, false, false, true, true, cDisabled},
        // Disabled without a disabled picture: the normal one, never the
        // hover or pressed one.
        {false, false, false, true, false, cNormal},
        {false, false, false, false, false, cNormal},
        {true, true, false, false, true, cNormal2},
        {true, true, false, true, true, cMove2},
        {true, true, true, true, true, cDown2},
        {true, false, false, false, true, cDisabled2},
        {true, false, false, true, false, cNormal2},
    };
    for (const PictureCase& c : cases) {
        ButtonFixture f(c.hasDisabled);
        f.button.SetDown(c.latched);
        if (c.hovered) f.host.MouseMove(0, 20, 20);
        if (c.pressed) f.host.MouseDown(mbLeft, ssLeft, 20, 20);
        f.button.SetEnabled(c.enabled);
        EXPECT_EQ(f.PaintedCentre(), c.expected)
            << "latched " << c.latched << " enabled " << c.enabled << " pressed " << c.pressed
            << " hovered " << c.hovered << " disabled picture " << c.hasDisabled;
    }
}

TEST(ImageButtonTest, ChoiceRuleTable) {
    using R = ButtonPictureRole;
    struct {
        bool enabled, downing, moving, hasDisabled;
        R expected;
    } const cases[] = {
        {true, false, false, true, R::Normal},  {true, false, true, true, R::Move},
        {true, true, false, true, R::Down},     {true, true, true, false, R::Down},
        {false, true, true, true, R::Disabled}, {false, true, true, false, R::Normal},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ChooseButtonPicture(c.enabled, c.downing, c.moving, c.hasDisabled), c.expected);
    }
}

TEST(ImageButtonTest, RightButtonDoesNotPress) {
    ButtonFixture f;
    f.host.MouseMove(0, 20, 20);
    f.host.MouseDown(mbRight, ssRight, 20, 20);
    EXPECT_EQ(f.PaintedCentre(), cMove);
}

TEST(ImageButtonTest, DraggingOutAndBackIn) {
    ButtonFixture f;
    f.host.MouseMove(0, 20, 20);
    f.host.MouseDown(mbLeft, ssLeft, 20, 20);
    EXPECT_EQ(f.PaintedCentre(), cDown);
    f.host.MouseMove(ssLeft, 80, 55);  // outside, still held
    EXPECT_EQ(f.PaintedCentre(), cNormal);
    f.host.MouseMove(ssLeft, 30, 30);  // back in
    EXPECT_EQ(f.PaintedCentre(), cDown);
}

TEST(ImageButtonTest, PressedLatchedWithoutItsPictureDrawsNothing) {
    ButtonFixture f(true, /*withDown2=*/false);
    f.button.SetDown(true);
    f.host.MouseDown(mbLeft, ssLeft, 20, 20);
    EXPECT_EQ(f.PaintedCentre(), kSurface);
}

TEST(ImageButtonTest, BackgroundShowsThroughTransparentPicture) {
    ButtonFixture f;
    TBitmap32 ring = Solid(20, 20, 0xFFFFFFFFu);
    for (int y = 5; y < 15; ++y) {
        for (int x = 5; x < 15; ++x) *ring.PixelPtr(x, y) = 0;  // a hole in the middle
    }
    f.button.SetNormalImage(ring);
    f.button.SetBackgroundImage(Solid(38, 38, 0xFFCC0000u));
    EXPECT_EQ(f.PaintedCentre(), 0xFFCC0000u);
    EXPECT_EQ(f.surface.PixelS(10 + 9 + 1, 10 + 9 + 1), 0xFFFFFFFFu);
}

TEST(ImageButtonTest, PictureAlignment) {
    struct {
        TAlignment align;
        int offsetX, offsetY;
        int expectLeft, expectTop;  // of a 20 x 10 picture in a 38 x 38 button at (10, 10)
    } const cases[] = {
        {taLeftJustify, 0, 0, 10, 24},
        {taRightJustify, 0, 0, 28, 24},
        {taCenter, 0, 0, 19, 24},
        {taCenter, 3, -2, 22, 22},
    };
    for (const auto& c : cases) {
        ButtonFixture f;
        f.button.SetNormalImage(Solid(20, 10, cNormal));
        f.button.AlignImages = c.align;
        f.button.OffsetImageX = c.offsetX;
        f.button.OffsetImageY = c.offsetY;
        f.PaintedCentre();
        EXPECT_EQ(f.surface.PixelS(c.expectLeft, c.expectTop), cNormal);
        EXPECT_EQ(f.surface.PixelS(c.expectLeft - 1, c.expectTop), kSurface);
        EXPECT_EQ(f.surface.PixelS(c.expectLeft, c.expectTop - 1), kSurface);
    }
}

// Caption tests: the fake rasterizer draws every character as a filled
// cell, so the caption's top-left is the first pixel of its colour.
class ImageButtonCaptionTest : public ::testing::Test {
protected:
    void SetUp() override { SetDefaultTextRasterizer(&text_); }
    void TearDown() override { SetDefaultTextRasterizer(nullptr); }

    // The top-left pixel of colour c, or (-1, -1).
    static std::pair<int, int> FindFirst(const TBitmap32& b, TColor32 c) {
        for (int y = 0; y < b.Height(); ++y) {
            for (int x = 0; x < b.Width(); ++x) {
                if ((b.PixelS(x, y) & 0xFFFFFFu) == (c & 0xFFFFFFu)) return {x, y};
            }
        }
        return {-1, -1};
    }

    testing::FakeTextRasterizer text_;
};

TEST_F(ImageButtonCaptionTest, PressShift) {
    // Font size 12 → cells 16 high, 8 wide; "AB" is 16 x 16 in a 40 x 30
    // button at (0, 0): centred at (12, 7).
    struct {
        bool latched, pressed, withDown;
        int dx;
    } const cases[] = {
        {false, false, true, 0}, {true, false, true, 1}, {false, true, true, 2},
        {true, true, true, 3},   {true, true, false, 1}, {false, true, false, 0},
    };
    for (const auto& c : cases) {
        ControlHost host;
        TImageButton b;
        b.SetBounds(0, 0, 40, 30);
        b.Font.Size = 12;
        b.Font.Color = 0xFF00FF00u;
        b.SetText(u"AB");
        b.OffsetTextWithDown = c.withDown;
        b.SetDown(c.latched);
        host.Add(b);
        if (c.pressed) host.MouseDown(mbLeft, ssLeft, 5, 5);
        TBitmap32 surface(60, 40);
        host.Paint(surface, surface.BoundsRect());
        const auto at = FindFirst(surface, 0xFF00FF00u);
        EXPECT_EQ(at.first, 12 + c.dx) << c.latched << c.pressed << c.withDown;
        EXPECT_EQ(at.second, 7 + c.dx) << c.latched << c.pressed << c.withDown;
    }
}

TEST_F(ImageButtonCaptionTest, MultiLineCaptionIsOneBlock) {
    ControlHost host;
    TImageButton b;
    b.SetBounds(0, 0, 60, 60);
    b.Font.Size = 12;  // 8 x 16 cells
    b.Font.Color = 0xFF0000FFu;
    b.SetText(u"ABCD\r\nEF");
    EXPECT_TRUE(b.IsMultiTextMode());
    host.Add(b);
    TBitmap32 surface(60, 60);
    host.Paint(surface, surface.BoundsRect());
    // Block 32 x 32 centred: (14, 14); the second line centred in the
    // block: x 14 + (32 - 16) / 2 = 22, y 30.
    EXPECT_EQ(FindFirst(surface, 0xFF0000FFu), std::make_pair(14, 14));
    EXPECT_EQ(surface.PixelS(22, 30) & 0xFFFFFFu, 0x0000FFu);
    EXPECT_EQ(surface.PixelS(21, 30) & 0xFFFFFFu, 0u);
    EXPECT_EQ(surface.PixelS(38, 30) & 0xFFFFFFu, 0u);
}

TEST_F(ImageButtonCaptionTest, SecondCaptionUsesItsOwnFontAndOffsets) {
    ControlHost host;
    TImageButton2 b;
    b.SetBounds(0, 0, 120, 107);
    b.Font.Size = 9;
    b.Font.Color = 0xFF00FF00u;
    b.SetText(u"AB");
    b.SetOffsetTextY(15);
    TFontDesc second;
    second.Size = 6;  // 8 x 4 cells
    second.Color = 0xFFFF0000u;
    b.SetFontText2(second);
    b.SetText2(u"CDE");
    b.SetOffsetText2Y(30);
    host.Add(b);
    TBitmap32 surface(120, 107);
    host.Paint(surface, surface.BoundsRect());
    // First: 12 x 12 → (54, (107 - 12) / 2 + 15 = 62). Second: 12 x 8 →
    // (54, (107 - 8) / 2 + 30 = 79).
    EXPECT_EQ(FindFirst(surface, 0xFF00FF00u), std::make_pair(54, 62));
    EXPECT_EQ(FindFirst(surface, 0xFFFF0000u), std::make_pair(54, 79));
}

TEST(ImageButtonClickTest, ClickNeedsALeftPressReleasedInside) {
    struct {
        TMouseButton button;
        int releaseX, releaseY;
        bool enabled;
        int clicks;
    } const cases[] = {
        {mbLeft, 20, 20, true, 1},
        {mbLeft, 80, 20, true, 0},  // released outside
        {mbRight, 20, 20, true, 0},
        {mbLeft, 20, 20, false, 0},  // disabled: the press goes nowhere
    };
    for (const auto& c : cases) {
        ButtonFixture f;
        int clicks = 0;
        f.button.OnClick = [&](TGraphicControl& sender) {
            EXPECT_EQ(&sender, &f.button);
            ++clicks;
        };
        f.button.SetEnabled(c.enabled);
        const TShiftState held = c.button == mbLeft ? ssLeft : ssRight;
        f.host.MouseDown(c.button, held, 20, 20);
        f.host.MouseMove(held, c.releaseX, c.releaseY);
        f.host.MouseUp(c.button, 0, c.releaseX, c.releaseY);
        EXPECT_EQ(clicks, c.clicks) << c.releaseX << " " << c.enabled;
        EXPECT_FALSE(f.host.Capturing());
    }
}

TEST(ImageButtonClickTest, QuickSecondClickIsAClickOfItsOwn) {
    ButtonFixture f;
    int clicks = 0;
    f.button.OnClick = [&](TGraphicControl&) { ++clicks; };
    for (int i = 0; i < 2; ++i) {
        f.host.MouseDown(mbLeft, ssLeft | (i ? ssDouble : 0), 20, 20);
        f.host.MouseUp(mbLeft, 0, 20, 20);
    }
    EXPECT_EQ(clicks, 2);
}

TEST(ControlHostTest, MouseStaysWithThePressedControl) {
    ControlHost host;
    TImageButton a, b;
    a.SetBounds(0, 0, 38, 38);
    b.SetBounds(38, 0, 38, 38);
    host.Add(a);
    host.Add(b);
    int clicksB = 0;
    b.OnClick = [&](TGraphicControl&) { ++clicksB; };
    host.MouseDown(mbLeft, ssLeft, 10, 10);
    EXPECT_TRUE(host.Capturing());
    host.MouseMove(ssLeft, 50, 10);
    EXPECT_TRUE(b.Moving());
    EXPECT_FALSE(a.Moving());
    EXPECT_FALSE(a.Downing());
    host.MouseUp(mbLeft, 0, 50, 10);
    EXPECT_EQ(clicksB, 0);  // the press began on a
    EXPECT_FALSE(host.Capturing());
}

TEST(ControlHostTest, ControlThatCannotTakeTheMouseLetsItGo) {
    ButtonFixture f;
    f.host.MouseMove(0, 20, 20);
    f.host.MouseDown(mbLeft, ssLeft, 20, 20);
    f.button.SetEnabled(false);
    EXPECT_FALSE(f.host.Capturing());
    EXPECT_FALSE(f.button.Moving());
    EXPECT_FALSE(f.button.Downing());
    // Enabled again with the pointer elsewhere: the normal look, not hover.
    f.button.SetEnabled(true);
    EXPECT_EQ(f.PaintedCentre(), cNormal);
}

TEST(ControlHostTest, InvalidatesWhatChanges) {
    std::vector<TRect> asked;
    ControlHost host([&](const TRect& r) { asked.push_back(r); });
    TImageButton b;
    b.SetBounds(5, 6, 38, 38);
    host.Add(b);
    asked.clear();
    b.SetDown(true);
    b.SetDown(true);  // unchanged: nothing
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], (TRect{5, 6, 43, 44}));
}

TEST(ControlHostTest, ControlRemovesItselfWhenDestroyed) {
    ControlHost host;
    {
        TImageButton b;
        b.SetBounds(0, 0, 10, 10);
        host.Add(b);
        host.MouseDown(mbLeft, ssLeft, 5, 5);
    }
    EXPECT_FALSE(host.Capturing());
    EXPECT_EQ(host.ControlAt(5, 5), nullptr);
}

}  // namespace
}  // namespace lg
