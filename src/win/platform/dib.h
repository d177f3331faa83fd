// The one DIB layout the program draws in: 32 bits a pixel, rows from the
// top, like TBitmap32's memory.
#pragma once

#include <windows.h>

namespace lg::win {

inline BITMAPINFO TopDownDib32(int width, int height) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    return bi;
}

}  // namespace lg::win
