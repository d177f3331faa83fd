// The information windows' pictures: the star's corners, the background's
// glow, and that every picture is drawn at the scaled size.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "art/art_colors.h"
#include "art/info_art.h"
#include "art/offer_art.h"
#include "art/star_art.h"

namespace lg::art {
namespace {

TColor32 At(const TBitmap32& b, int x, int y) {
    return *b.PixelPtr(x, y);
}

TEST(StarPoints, PointsAndNotchesAlternateClockwiseFromTheTop) {
    const Vec2 c{20, 20};
    const std::vector<Vec2> p = StarPoints(c, 17, 8.5);
    ASSERT_EQ(p.size(), 10u);
    EXPECT_NEAR(p[0].x, 20, 1e-9) << "the first point straight up";
    EXPECT_NEAR(p[0].y, 3, 1e-9);
    for (std::size_t i = 0; i < p.size(); ++i) {
        const double r = std::hypot(p[i].x - c.x, p[i].y - c.y);
        EXPECT_NEAR(r, i % 2 == 0 ? 17 : 8.5, 1e-9) << i;
        // Each corner 36 degrees on from the last, turning clockwise on
        // screen (y down): the cross product of neighbours is positive.
        const Vec2 a = p[i] - c, b = p[(i + 1) % p.size()] - c;
        const double angle = std::atan2(a.x * b.y - a.y * b.x, a.x * b.x + a.y * b.y);
        EXPECT_NEAR(angle, std::numbers::pi / 5, 1e-9) << i;
    }
    // Mirror-symmetric about the vertical through the centre.
    for (std::size_t i = 1; i < 5; ++i) {
        EXPECT_NEAR(p[i].x - c.x, c.x - p[10 - i].x, 1e-9) << i;
        EXPECT_NEAR(p[i].y, p[10 - i].y, 1e-9) << i;
    }
}

TEST(GlowOpacity, StrongestAtTheCornerAndGoneAtItsReach) {
    struct Case {
        const char* why;
        double u, v, expected;
    } const cases[] = {
        {"the corner itself", 0, 0, kGlowPeak},
        {"at the reach across", 1, 0, 0},
        {"at the reach down", 0, 1, 0},
        {"on the diagonal at the reach", std::sqrt(0.5), std::sqrt(0.5), 0},
        {"beyond the reach", 1.5, 0.2, 0},
        {"halfway: smoothstep gives half", 0.5, 0, kGlowPeak / 2},
    };
    for (const Case& c : cases) EXPECT_NEAR(GlowOpacity(c.u, c.v), c.expected, 1e-12) << c.why;
    // Falling all the way along the diagonal, never rising again.
    double last = GlowOpacity(0, 0);
    for (int i = 1; i <= 20; ++i) {
        const double now = GlowOpacity(i * 0.05, i * 0.05);
        EXPECT_LE(now, last) << i;
        last = now;
    }
}

TEST(InfoBackground, GlowsInTheTopRightCornerOnly) {
    const TBitmap32 b = DrawInfoBackground(576, 371);
    ASSERT_EQ(b.Width(), 576);
    ASSERT_EQ(b.Height(), 371);
    // 8 % of the way from (12, 34, 66) to the accent (28, 194, 241).
    EXPECT_EQ(At(b, 575, 0), Color32(13, 47, 80));
    EXPECT_EQ(At(b, 0, 370), kWindowSurface) << "the far corner is the bare surface";
    EXPECT_EQ(At(b, 0, 0), kWindowSurface) << "beyond the reach across";
    EXPECT_EQ(At(b, 575, 370), kWindowSurface) << "beyond the reach down";
    for (int x = 0; x < b.Width(); ++x) {
        EXPECT_EQ(AlphaOf(At(b, x, 100)), 255u) << "opaque, " << x;
    }
    // Brighter towards the corner along the top row.
    EXPECT_LT(GreenOf(At(b, 300, 0)), GreenOf(At(b, 500, 0)));
}

TEST(InfoPictures, TakeTheScaledSize) {
    struct Case {
        int dpi;
    } const cases[] = {{96}, {144}, {192}};
    for (const Case& c : cases) {
        const DisplayScale s(c.dpi);
        const TBitmap32 offer = DrawOfferPicture(s);
        EXPECT_EQ(offer.Width(), s.Px(789)) << c.dpi;
        EXPECT_EQ(offer.Height(), s.Px(480)) << c.dpi;
        EXPECT_EQ(DrawUpdateBadge(40, s).Width(), s.Px(40)) << c.dpi;
        const ButtonArt link = DrawLinkButton(107, 23, s);
        EXPECT_EQ(link.plain.normal.Width(), s.Px(107)) << c.dpi;
        EXPECT_EQ(link.plain.normal.Height(), s.Px(23)) << c.dpi;
        EXPECT_EQ(DrawStarButton(40, s).plain.normal.Width(), s.Px(40)) << c.dpi;
        EXPECT_EQ(DrawCaptureButton(200, 42, s).plain.normal.Width(), s.Px(200)) << c.dpi;
        EXPECT_EQ(DrawArrowIcon(20, s).Height(), s.Px(20)) << c.dpi;
    }
}

TEST(StarButton, LitIsTheAccentAndUnlitTheRaisedFill) {
    const ButtonArt star = DrawStarButton();
    // The middle of the star, and a corner outside it.
    EXPECT_EQ(At(star.latched.normal, 20, 22), kAccent);
    EXPECT_EQ(At(star.plain.normal, 20, 22), kHoverFill);
    EXPECT_EQ(AlphaOf(At(star.plain.normal, 1, 1)), 0u) << "transparent round the star";
    EXPECT_EQ(AlphaOf(At(star.latched.normal, 38, 38)), 0u);
    // Inside the notch between the two lower points: outside the star.
    EXPECT_EQ(AlphaOf(At(star.latched.normal, 20, 34)), 0u);
    // The top point reaches up to row 3.
    EXPECT_GT(AlphaOf(At(star.latched.normal, 20, 5)), 200u);
}

TEST(OfferPicture, ShowsTheRecordDotAndThePlayButtonOnTheScreen) {
    const TBitmap32 b = DrawOfferPicture();
    EXPECT_EQ(At(b, 84, 202), kRecordRed) << "the record dot's middle";
    const int cx = (kOfferScreen.Left + kOfferScreen.Right) / 2;
    const int cy = (kOfferScreen.Top + kOfferScreen.Bottom) / 2 - 6;
    EXPECT_EQ(At(b, cx, cy), kInkHover) << "the play triangle in the disc";
    EXPECT_EQ(At(b, cx, cy - 20), kAccent) << "the disc above the triangle";
    EXPECT_EQ(At(b, kOfferScreen.Left + 4, kOfferScreen.Bottom - 4), kPanelSurface) << "the screen";
    EXPECT_EQ(At(b, 500, 470), kWindowSurface) << "the right half is free for the text";
}

}  // namespace
}  // namespace lg::art
