#include "art/offer_art.h"

#include "art/art_colors.h"
#include "art/info_art.h"
#include "art/ink.h"
#include "art/paths.h"

namespace lg::art {
namespace {

// The monitor at 96 DPI: a 10 px bezel round the screen, a neck and a foot.
constexpr double kBezel = 10;
constexpr double kBezelRadius = 10;
constexpr TRect kNeck{170, 336, 194, 360};
constexpr TRect kFoot{122, 358, 242, 368};
// In the screen: the record dot near its top-left, the play triangle in
// its middle, the timeline 20 px above its bottom.
constexpr Vec2 kDot{84, 202};
constexpr double kDotRadius = 7;
constexpr double kDotHalo = 12;
constexpr double kPlayRadius = 26;
constexpr double kTimelineInset = 22;
constexpr double kTimelineFromBottom = 20;
constexpr double kTimelineDone = 0.62;

}  // namespace

TBitmap32 DrawOfferPicture(DisplayScale scale) {
    TBitmap32 picture = DrawInfoBackground(kOfferSize.cx, kOfferSize.cy, scale);
    auto px = [&](double v) { return scale.PxD(v); };
    auto rect = [&](double l, double t, double r, double b, double radius) {
        return Shape{RoundedRect(px(l), px(t), px(r), px(b), px(radius))};
    };
    const TRect s = kOfferScreen;

    // Foot and neck first, the bezel over the neck's top.
    InkShape(picture, rect(kFoot.Left, kFoot.Top, kFoot.Right, kFoot.Bottom, 5), kPressedFill);
    InkShape(picture, rect(kNeck.Left, kNeck.Top, kNeck.Right, kNeck.Bottom, 0), kHoverFill);
    InkShape(picture,
             rect(s.Left - kBezel, s.Top - kBezel, s.Right + kBezel, s.Bottom + kBezel + 4,
                  kBezelRadius),
             kOutline);
    InkShape(picture,
             rect(s.Left - kBezel + 1.5, s.Top - kBezel + 1.5, s.Right + kBezel - 1.5,
                  s.Bottom + kBezel + 2.5, kBezelRadius - 1.5),
             kHoverFill);
    InkShape(picture, rect(s.Left, s.Top, s.Right, s.Bottom, 3), kPanelSurface);

    // A faint selection round the screen's middle: what is being recorded.
    const double cx = (s.Left + s.Right) / 2.0, cy = (s.Top + s.Bottom) / 2.0 - 6;
    InkShape(picture, Shape{Circle({px(cx), px(cy)}, px(kPlayRadius + 12))},
             WithAlpha(kAccent, 40));
    InkShape(picture, Shape{Circle({px(cx), px(cy)}, px(kPlayRadius))}, kAccent);
    const double t = kPlayRadius * 0.42;
    InkShape(picture,
             Shape{Polygon({{px(cx - t * 0.7), px(cy - t)},
                            {px(cx + t * 1.05), px(cy)},
                            {px(cx - t * 0.7), px(cy + t)}})},
             kInkHover);

    InkShape(picture, Shape{Circle({px(kDot.x), px(kDot.y)}, px(kDotHalo))},
             WithAlpha(kRecordRed, 60));
    InkShape(picture, Shape{Circle({px(kDot.x), px(kDot.y)}, px(kDotRadius))}, kRecordRed);

    const double ty = s.Bottom - kTimelineFromBottom;
    const double tl = s.Left + kTimelineInset, tr = s.Right - kTimelineInset;
    const double done = tl + (tr - tl) * kTimelineDone;
    InkShape(picture, rect(tl, ty - 2, tr, ty + 2, 2), kPressedFill);
    InkShape(picture, rect(tl, ty - 2, done, ty + 2, 2), kAccent);
    InkShape(picture, Shape{Circle({px(done), px(ty)}, px(5))}, kInkHover);
    return picture;
}

}  // namespace lg::art
