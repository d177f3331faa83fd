#include "controls/window_placement.h"

#include <algorithm>

namespace lg {
namespace {

TRect AtSize(int left, int top, TSize size) {
    return TRect{left, top, left + size.cx, top + size.cy};
}

}  // namespace

TRect CentredIn(const TRect& area, TSize size) {
    return AtSize(area.Left + (area.Width() - size.cx) / 2,
                  area.Top + (area.Height() - size.cy) / 2, size);
}

TRect InCorner(const TRect& area, TSize size, int margin) {
    return AtSize(area.Right - size.cx - margin, area.Bottom - size.cy - margin, size);
}

TRect KeptInside(const TRect& r, const TRect& area) {
    const TSize size{r.Width(), r.Height()};
    const int left = std::max(area.Left, std::min(r.Left, area.Right - size.cx));
    const int top = std::max(area.Top, std::min(r.Top, area.Bottom - size.cy));
    return AtSize(left, top, size);
}

}  // namespace lg
