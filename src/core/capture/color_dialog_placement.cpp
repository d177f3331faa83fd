#include "capture/color_dialog_placement.h"

#include <algorithm>

namespace lg {
namespace {

// `start` moved into [lo, hi - length]; to lo when it cannot fit.
int ClampSpan(int start, int length, int lo, int hi) {
    return std::max(lo, std::min(start, hi - length));
}

}  // namespace

TRect PlaceColorDialog(const TRect& palette, TSize dialog, const TRect& workArea,
                       DisplayScale scale) noexcept {
    const int left = ClampSpan(palette.Left, dialog.cx, workArea.Left, workArea.Right);
    const int top = ClampSpan(palette.Top - scale.Px(kColorDialogRise), dialog.cy, workArea.Top,
                              workArea.Bottom);
    return TRect{left, top, left + dialog.cx, top + dialog.cy};
}

}  // namespace lg
