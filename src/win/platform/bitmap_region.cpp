#include "platform/bitmap_region.h"

#include <cstring>
#include <vector>

#include "art/picker_shape.h"

namespace lg::win {

UniqueGdiObject BitmapToRegion(const TBitmap32& b, TColor32 cutOut) {
    const std::vector<TRect> runs = art::BitmapToRegionRects(b, cutOut);
    if (runs.empty()) return {};
    // One region from all the runs at once: uniting them one by one costs
    // a region operation per run.
    std::vector<std::byte> data(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
    auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
    header->dwSize = sizeof(RGNDATAHEADER);
    header->iType = RDH_RECTANGLES;
    header->nCount = static_cast<DWORD>(runs.size());
    header->nRgnSize = static_cast<DWORD>(runs.size() * sizeof(RECT));
    header->rcBound = RECT{0, 0, b.Width(), b.Height()};
    auto* rects = reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER));
    for (std::size_t i = 0; i < runs.size(); ++i) {
        rects[i] = RECT{runs[i].Left, runs[i].Top, runs[i].Right, runs[i].Bottom};
    }
    return UniqueGdiObject(ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                                           reinterpret_cast<const RGNDATA*>(data.data())));
}

}  // namespace lg::win
