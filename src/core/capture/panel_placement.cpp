#include "capture/panel_placement.h"

#include <algorithm>
#include <utility>

namespace lg {
namespace {

// In 96-DPI pixels.
constexpr int kGap96 = 8;
// The palette goes left of the selection when there are more than its width
// plus this many pixels there.
constexpr int kLeftRoomSlack96 = 5;
// Extra shift of the palette, beyond the output panel's width, when the two
// would overlap.
constexpr int kOverlapGap96 = 16;

}  // namespace

TRect SelectionOnScreen(const TRect& selection, const TRect& virtualScreen) {
    TRect s{selection.Left + virtualScreen.Left, selection.Top + virtualScreen.Top,
            selection.Right + virtualScreen.Left, selection.Bottom + virtualScreen.Top};
    // The first selection is held with top and bottom swapped while the
    // mouse is down.
    if (s.Bottom < s.Top) std::swap(s.Top, s.Bottom);
    if (s.Right < s.Left) std::swap(s.Left, s.Right);
    return s;
}

PanelPlacement PlacePanels(const PanelPlacementInput& in) noexcept {
    const TRect& v = in.virtualScreen;
    const TRect& s = in.selection;
    const TRect& m = in.paletteMonitor;
    const TRect& m2 = in.outputPanelMonitor;
    const int ptw = in.paletteSize.cx, pth = in.paletteSize.cy;
    const int psw = in.outputPanelSize.cx, psh = in.outputPanelSize.cy;
    const int kGap = in.scale.Px(kGap96);
    const int kLeftRoomSlack = in.scale.Px(kLeftRoomSlack96);
    const int kOverlapGap = in.scale.Px(kOverlapGap96);

    // Palette below the selection, or inside it above its bottom edge.
    int tT = (v.Bottom - s.Bottom < pth + kGap) ? s.Bottom - pth - kGap : s.Bottom + kGap;
    if (tT < v.Top - psh) tT = v.Top + psh;
    // Its right edge on the selection's right edge.
    int tL = std::max(s.Right - ptw, v.Left);

    // Output panel: bottom on the selection's bottom, clear of the top edge
    // by the palette's height.
    int sT = s.Bottom - psh;
    if (sT - v.Top < pth) sT = v.Top + pth;
    int sL;
    if (v.Right - s.Right < psw + kGap) {
        // No room on the right: left of the selection, or inside it.
        sL = (s.Left - v.Left > psw + kGap) ? s.Left - psw - kGap : s.Right - psw - kGap;
    } else {
        sL = s.Right + kGap;
    }

    // The palette goes below the output panel.
    if (tT < sT + psh) tT = sT + psh + kGap;

    // Off the bottom of the palette's monitor.
    if (tT > m.Bottom - pth) {
        if (s.Top - m.Top > pth + kGap) {
            tT = std::min(s.Top - pth - kGap, m.Bottom - psh - pth);  // above the selection
        } else {
            if (s.Left - m.Left > ptw + kLeftRoomSlack) {
                // Left of the selection. The room test allows a palette up to
                // 2 pixels past the monitor's left edge; keep it on the monitor.
                tL = std::max(s.Left - ptw - kGap, m.Left);
            }
            tT = s.Bottom - pth - kGap;  // inside the selection, above its bottom
        }
    }

    if (tL + ptw > v.Right) tL = v.Right - ptw;
    if (sL + psw > v.Right) sL = s.Left - psw - kGap;
    if (sT > m2.Bottom - psh) sT = m2.Bottom - psh;

    // Overlap: the palette moves left of the output panel. Only when the
    // two really meet: a palette wholly above the panel stays where it is.
    auto overlap = [&] { return tL + ptw > sL && tL < sL + psw && tT < sT + psh && tT + pth > sT; };
    if (overlap()) tL = tL - psw - kOverlapGap;
    // Never pushed off the screen's left edge, where its first buttons
    // could not be reached; if it meets the panel there, it goes above it.
    if (tL < v.Left) {
        tL = v.Left;
        if (overlap()) tT = sT - pth - kGap;
    }

    return PanelPlacement{{tL, tT}, {sL, sT}};
}

}  // namespace lg
