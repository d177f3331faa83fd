#include "art/picker_shape.h"

#include <algorithm>

namespace lg::art {

void FlipBitmapVertically(TBitmap32& b) {
    const int height = b.Height();
    for (int y = 0; y < height / 2; ++y) {
        std::swap_ranges(b.ScanLine(y), b.ScanLine(y) + b.Width(), b.ScanLine(height - 1 - y));
    }
}

std::vector<TRect> BitmapToRegionRects(const TBitmap32& b, TColor32 cutOut) {
    constexpr TColor32 kRgb = 0x00FFFFFFu;
    const TColor32 cut = cutOut & kRgb;
    std::vector<TRect> rects;
    for (int y = 0; y < b.Height(); ++y) {
        const TColor32* row = b.ScanLine(y);
        int start = -1;  // no run open
        for (int x = 0; x < b.Width(); ++x) {
            const bool kept = (row[x] & kRgb) != cut;
            if (kept && start < 0) {
                start = x;
            } else if (!kept && start >= 0) {
                rects.push_back({start, y, x, y + 1});
                start = -1;
            }
        }
        if (start >= 0) rects.push_back({start, y, b.Width(), y + 1});
    }
    return rects;
}

}  // namespace lg::art
