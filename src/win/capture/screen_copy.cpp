#include "capture/screen_copy.h"

#include <windows.h>

#include <algorithm>

#include "capture/capture_geometry.h"
#include "platform/dib.h"
#include "platform/handles.h"

namespace lg::win {
namespace {

BOOL CALLBACK CollectMonitor(HMONITOR, HDC, LPRECT r, LPARAM list) {
    reinterpret_cast<std::vector<TRect>*>(list)->push_back(
        TRect{r->left, r->top, r->right, r->bottom});
    return TRUE;
}

// The pointer's image at the pointer position (its hot spot is not
// subtracted: the image's corner sits where the pointer points).
void DrawCursor(HDC dc, const TRect& rectWork) {
    CURSORINFO ci{};
    ci.cbSize = sizeof(ci);
    if (!GetCursorInfo(&ci) || ci.flags != CURSOR_SHOWING) return;
    ICONINFO ii{};
    if (!GetIconInfo(ci.hCursor, &ii)) return;
    UniqueGdiObject mask(ii.hbmMask), color(ii.hbmColor);
    DrawIconEx(dc, ci.ptScreenPos.x - rectWork.Left, ci.ptScreenPos.y - rectWork.Top, ci.hCursor, 0,
               0, 0, nullptr, DI_NORMAL);
}

}  // namespace

std::vector<TRect> MonitorRects() {
    std::vector<TRect> list;
    EnumDisplayMonitors(nullptr, nullptr, &CollectMonitor, reinterpret_cast<LPARAM>(&list));
    return list;
}

TRect VirtualScreenRect() {
    std::vector<TRect> monitors = MonitorRects();
    return ComputeRectWork(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), monitors);
}

bool CopyScreen(TBitmap32& dst, const TRect& rectWork, bool withCursor) {
    const int w = rectWork.Width(), h = rectWork.Height();
    dst.SetSize(w, h);
    if (dst.Empty()) return false;

    // The copy lands in a DIB section, a band at a time, so the extra memory
    // stays small however wide the desktop is.
    constexpr int kBandRows = 256;
    const int bandRows = std::min(h, kBandRows);
    BITMAPINFO bi = TopDownDib32(w, bandRows);

    ScopedGetDc screen(nullptr);
    if (!screen.get()) return false;
    UniqueMemoryDc mem(CreateCompatibleDC(screen.get()));
    void* bits = nullptr;
    UniqueGdiObject dib(CreateDIBSection(screen.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!mem || !dib || !bits) return false;
    ScopedSelect select(mem.get(), dib.get());

    bool ok = true;
    for (int top = 0; top < h; top += bandRows) {
        const int rows = std::min(bandRows, h - top);
        if (!BitBlt(mem.get(), 0, 0, w, rows, screen.get(), rectWork.Left, rectWork.Top + top,
                    SRCCOPY)) {
            ok = false;
        }
        if (withCursor) {
            TRect band{rectWork.Left, rectWork.Top + top, rectWork.Right,
                       rectWork.Top + top + rows};
            DrawCursor(mem.get(), band);
        }
        GdiFlush();
        const auto* src = static_cast<const TColor32*>(bits);
        for (int y = 0; y < rows; ++y) {
            TColor32* out = dst.ScanLine(top + y);
            const TColor32* in = src + static_cast<size_t>(y) * w;
            // The screen has no alpha; the capture is opaque.
            for (int x = 0; x < w; ++x) out[x] = in[x] | 0xFF000000u;
        }
    }
    return ok;
}

}  // namespace lg::win
