#include "controls/buffer_blit.h"

#include "platform/dib.h"

namespace lg::win {

void BlitBuffer(HDC dc, const TBitmap32& buffer, const TRect& area) {
    const TRect r = IntersectRect(area, buffer.BoundsRect());
    if (r.IsEmpty()) return;
    // Only the rows r.Top .. r.Bottom, handed over as a DIB of that many
    // full-width rows starting at row r.Top: the copy reads no more memory
    // than it shows.
    BITMAPINFO bi = TopDownDib32(buffer.Width(), r.Height());
    SetDIBitsToDevice(dc, r.Left, r.Top, static_cast<DWORD>(r.Width()),
                      static_cast<DWORD>(r.Height()), r.Left, 0, 0, static_cast<UINT>(r.Height()),
                      buffer.ScanLine(r.Top), &bi, DIB_RGB_COLORS);
}

}  // namespace lg::win
