#include "capture/changed_rect.h"

#include <algorithm>
#include <cstring>

namespace lg {

TRect ChangedRect(const TBitmap32& a, const TBitmap32& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height() || a.Empty()) return TRect{};
    const int w = a.Width();
    const std::size_t rowBytes = static_cast<std::size_t>(w) * sizeof(TColor32);
    TRect r{w, 0, 0, 0};
    bool any = false;
    for (int y = 0; y < a.Height(); ++y) {
        const TColor32* pa = a.ScanLine(y);
        const TColor32* pb = b.ScanLine(y);
        // Most rows are untouched by a figure; memcmp settles them fastest.
        if (std::memcmp(pa, pb, rowBytes) == 0) continue;
        int left = 0;
        while (pa[left] == pb[left]) ++left;
        int right = w;
        while (pa[right - 1] == pb[right - 1]) --right;
        if (!any) r.Top = y;
        any = true;
        r.Bottom = y + 1;
        r.Left = std::min(r.Left, left);
        r.Right = std::max(r.Right, right);
    }
    return any ? r : TRect{};
}

}  // namespace lg
