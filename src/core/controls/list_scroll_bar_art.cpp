#include "controls/list_scroll_bar_art.h"

#include <algorithm>
#include <span>

#include "art/art_colors.h"
#include "art/paths.h"
#include "raster/polygon_fill.h"

namespace lg {
namespace {

// 96-DPI sizes. The thumb is a slim pill with room on both sides, so it
// reads as lying in the channel; the whole column still catches the mouse.
constexpr double kThumbInset = 3;
constexpr double kThumbEndGap = 1;
// The arrow heads: a flat triangle twice as wide as high, its base on a
// whole pixel in the 12-pixel square so the edge facing the rows is crisp.
constexpr double kArrowWidth = 8;
constexpr double kArrowHeight = 4;
// The plate behind a hovered or pressed arrow.
constexpr double kPlateInset = 1;
constexpr double kPlateRadius = 2;
// The channel is this much darker than the rows beside it.
constexpr double kTrackDarken = 0.25;
// The thumb lightens this much under the pointer, and twice as much held.
constexpr double kThumbLighten = 0.15;

void Fill(TBitmap32& canvas, const Contour& c, TColor32 color) {
    FillPolygons(canvas, std::span(&c, 1), color, am32times);
}

void PaintArrow(TBitmap32& canvas, const TRect& box, bool up, ListScrollPart part,
                const ListScrollBarState& state, bool enabled, DisplayScale scale) {
    if (box.IsEmpty()) return;
    const bool pressed = enabled && state.pressed == part;
    const bool hot = enabled && (state.hot == part || pressed);
    if (hot) {
        const double inset = scale.PxD(kPlateInset);
        Fill(canvas,
             art::RoundedRect(box.Left + inset, box.Top + inset, box.Right - inset,
                              box.Bottom - inset, scale.PxD(kPlateRadius)),
             pressed ? art::kPressedFill : art::kHoverFill);
    }
    TColor32 ink = hot ? art::kInkHover : art::kInkNormal;
    if (!enabled) ink = WithAlpha(ink, art::kDisabledAlpha);
    const double cx = (box.Left + box.Right) / 2.0;
    const double cy = (box.Top + box.Bottom) / 2.0;
    const double hw = std::min(scale.PxD(kArrowWidth), box.Width() - 2.0) / 2;
    const double hh = std::min(scale.PxD(kArrowHeight), box.Height() - 2.0) / 2;
    if (hw <= 0 || hh <= 0) return;
    const double tip = up ? cy - hh : cy + hh;
    const double base = up ? cy + hh : cy - hh;
    Fill(canvas, art::Polygon({{cx - hw, base}, {cx + hw, base}, {cx, tip}}), ink);
}

}  // namespace

TColor32 ListScrollTrackColor(TColor32 listFill) {
    return art::Darken(listFill, kTrackDarken);
}

void PaintListScrollBar(TBitmap32& canvas, const ListScrollBar& b, const ListScrollBarState& state,
                        TColor32 listFill, DisplayScale scale) {
    if (!b.Shown()) return;
    canvas.FillRectTS(b.bar, ListScrollTrackColor(listFill));
    PaintArrow(canvas, b.upArrow, true, ListScrollPart::LineUp, state, state.canGoUp, scale);
    PaintArrow(canvas, b.downArrow, false, ListScrollPart::LineDown, state, state.canGoDown, scale);

    const double side = std::min(scale.PxD(kThumbInset), (b.thumb.Width() - 1) / 2.0);
    const double end = std::min(scale.PxD(kThumbEndGap), (b.thumb.Height() - 1) / 2.0);
    const double left = b.thumb.Left + side, right = b.thumb.Right - side;
    const double top = b.thumb.Top + end, bottom = b.thumb.Bottom - end;
    if (right <= left || bottom <= top) return;
    double lighten = 0;
    if (state.pressed == ListScrollPart::Thumb) {
        lighten = 2 * kThumbLighten;
    } else if (state.hot == ListScrollPart::Thumb) {
        lighten = kThumbLighten;
    }
    Fill(canvas, art::RoundedRect(left, top, right, bottom, (right - left) / 2),
         art::Lighten(art::kOutline, lighten));
}

}  // namespace lg
