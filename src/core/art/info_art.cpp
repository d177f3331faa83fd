#include "art/info_art.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "art/art_colors.h"
#include "art/ink.h"
#include "art/paths.h"
#include "art/picture_ops.h"

namespace lg::art {
namespace {

// The glow's reach, as parts of the window's width and height.
constexpr double kGlowReachX = 0.7;
constexpr double kGlowReachY = 0.9;

// Channel c moved `amount` of the way to the accent's channel a.
std::uint32_t Toward(std::uint32_t c, std::uint32_t a, double amount) {
    return static_cast<std::uint32_t>(std::lround(c + (static_cast<double>(a) - c) * amount));
}

TBitmap32 Transparent(int width, int height) {
    TBitmap32 picture(width, height);
    picture.Clear(0);
    picture.SetDrawMode(dmBlend);
    return picture;
}

// The four corners of a selection frame round a 96-DPI box of `side`
// whose top-left is at `at` (pixels), strokes of `stroke` pixels.
Shape SelectionCorners(Vec2 at, double side, double arm, double stroke) {
    Shape shape;
    const double a = stroke / 2, b = side - stroke / 2;
    const Vec2 corners[4][3] = {{{a, a + arm}, {a, a}, {a + arm, a}},
                                {{b - arm, a}, {b, a}, {b, a + arm}},
                                {{b, b - arm}, {b, b}, {b - arm, b}},
                                {{a + arm, b}, {a, b}, {a, b - arm}}};
    for (const auto& c : corners) {
        Append(shape, StrokePath({c[0] + at, c[1] + at, c[2] + at}, stroke));
    }
    return shape;
}

}  // namespace

double GlowOpacity(double u, double v) {
    const double d = std::hypot(u, v);
    if (d >= 1) return 0;
    // Smoothstep from the rim inwards: no edge where it fades out, and a
    // flat top at the corner.
    const double t = 1 - d;
    return kGlowPeak * t * t * (3 - 2 * t);
}

TBitmap32 DrawInfoBackground(int width96, int height96, DisplayScale scale) {
    const int w = scale.Px(width96), h = scale.Px(height96);
    TBitmap32 picture(w, h);
    const double reachX = w * kGlowReachX, reachY = h * kGlowReachY;
    for (int y = 0; y < h; ++y) {
        TColor32* row = picture.ScanLine(y);
        const double v = (y + 0.5) / reachY;
        for (int x = 0; x < w; ++x) {
            const double u = (w - x - 0.5) / reachX;
            const double g = GlowOpacity(u, v);
            row[x] = Color32(Toward(RedOf(kWindowSurface), RedOf(kAccent), g),
                             Toward(GreenOf(kWindowSurface), GreenOf(kAccent), g),
                             Toward(BlueOf(kWindowSurface), BlueOf(kAccent), g));
        }
    }
    return picture;
}

TBitmap32 DrawUpdateBadge(int size96, DisplayScale scale) {
    const int side = scale.Px(size96);
    TBitmap32 picture = Transparent(side, side);
    const double m = side / 2.0;
    InkShape(picture, Shape{Circle({m, m}, m)}, kAccent);
    // The arrow and the tray in proportion to the disc (designed at 40 px:
    // stroke 2.5, shaft from 11 to 24, head 6 wide, tray at 28).
    const double k = side / 40.0, stroke = 2.5 * k;
    Shape mark = StrokePath({{m, 11 * k}, {m, 24 * k}}, stroke);
    Append(mark, StrokePath({{m - 6 * k, 18 * k}, {m, 24 * k}, {m + 6 * k, 18 * k}}, stroke));
    Append(mark,
           StrokePath(
               {{m - 9 * k, 25 * k}, {m - 9 * k, 29 * k}, {m + 9 * k, 29 * k}, {m + 9 * k, 25 * k}},
               stroke));
    InkShape(picture, mark, kInkHover);
    return picture;
}

ButtonArt DrawLinkButton(int width96, int height96, DisplayScale scale) {
    const int w = scale.Px(width96), h = scale.Px(height96);
    // A globe of 16 px at the left, centred in the height.
    const double r = scale.PxD(7.25), stroke = scale.PxD(1.5);
    const Vec2 c{scale.PxD(8), h / 2.0};
    Shape globe = StrokePath(ArcPoints(c, r, 0, 360), stroke, true);
    std::vector<Vec2> meridian;
    for (int i = 0; i <= 48; ++i) {
        const double t = -std::numbers::pi / 2 + i * std::numbers::pi / 48;
        meridian.push_back({c.x + r * 0.45 * std::cos(t), c.y + r * std::sin(t)});
    }
    Append(globe, StrokePath(meridian, stroke));
    std::vector<Vec2> back = meridian;
    for (Vec2& p : back) p.x = 2 * c.x - p.x;
    Append(globe, StrokePath(back, stroke));
    Append(globe, StrokePath({{c.x - r, c.y}, {c.x + r, c.y}}, stroke));

    auto paint = [&](TColor32 ink) {
        TBitmap32 picture = Transparent(w, h);
        InkShape(picture, globe, ink);
        return picture;
    };
    StatePictures set{.normal = paint(kAccent),
                      .down = paint(Darken(kAccent, 0.12)),
                      .move = paint(kInkHover),
                      .disabled = {}};
    set.disabled = Faded(set.normal, kDisabledAlpha);
    set.disabled.SetDrawMode(dmBlend);
    return {.plain = set, .latched = set};
}

ButtonArt DrawCaptureButton(int width96, int height96, DisplayScale scale) {
    ButtonArt art = DrawTextButton(TextButtonKind::Primary, width96, height96, scale);
    // An 18 px selection mark, 16 px from the left edge, centred in the
    // height.
    const double side = scale.PxD(18);
    const Vec2 at{scale.PxD(16), std::round((scale.Px(height96) - side) / 2)};
    const Shape mark = SelectionCorners(at, side, scale.PxD(5), scale.PxD(2));
    for (TBitmap32* b : {&art.plain.normal, &art.plain.down, &art.plain.move}) {
        InkShape(*b, mark, kInkHover);
    }
    art.plain.disabled = Faded(art.plain.normal, kDisabledAlpha);
    for (TBitmap32* b : {&art.plain.normal, &art.plain.down, &art.plain.move, &art.plain.disabled})
        b->SetDrawMode(dmBlend);
    art.latched = art.plain;
    return art;
}

TBitmap32 DrawArrowIcon(int size96, DisplayScale scale) {
    const int side = scale.Px(size96);
    TBitmap32 picture = Transparent(side, side);
    const double k = side / 20.0, stroke = 2 * k, m = side / 2.0;
    Shape arrow = StrokePath({{3 * k, m}, {17 * k, m}}, stroke);
    Append(arrow, StrokePath({{11 * k, m - 6 * k}, {17 * k, m}, {11 * k, m + 6 * k}}, stroke));
    InkShape(picture, arrow, kInkHover);
    return picture;
}

}  // namespace lg::art
