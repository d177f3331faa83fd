#include "app/icon_handle.h"

#include <cstring>

#include "app/app_icon.h"

namespace lg::win {

UniqueIcon CreateAppIcon(int size) {
    std::vector<uint32_t> pixels = DrawAppIcon(size);
    if (pixels.empty()) return {};
    BITMAPV5HEADER bi{};
    bi.bV5Size = sizeof(bi);
    bi.bV5Width = size;
    bi.bV5Height = -size;  // top-down, like the core's rows
    bi.bV5Planes = 1;
    bi.bV5BitCount = 32;
    bi.bV5Compression = BI_BITFIELDS;
    bi.bV5RedMask = 0x00FF0000;
    bi.bV5GreenMask = 0x0000FF00;
    bi.bV5BlueMask = 0x000000FF;
    bi.bV5AlphaMask = 0xFF000000;
    void* bits = nullptr;
    ScopedGetDc screen(nullptr);
    UniqueGdiObject color(CreateDIBSection(screen.get(), reinterpret_cast<BITMAPINFO*>(&bi),
                                           DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!color || !bits) return {};
    std::memcpy(bits, pixels.data(), pixels.size() * sizeof(uint32_t));
    // With a 32-bit colour bitmap the alpha channel decides; the mask is unused.
    UniqueGdiObject mask(CreateBitmap(size, size, 1, 1, nullptr));
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmColor = static_cast<HBITMAP>(color.get());
    info.hbmMask = static_cast<HBITMAP>(mask.get());
    return UniqueIcon(CreateIconIndirect(&info));
}

}  // namespace lg::win
