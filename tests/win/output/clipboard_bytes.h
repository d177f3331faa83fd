// Reading back what is on the real clipboard.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace lg::win::test {

// The bytes of one clipboard format, read in a session of their own; empty
// when the clipboard cannot be opened or holds no such format.
inline std::vector<uint8_t> ClipboardBytes(UINT format) {
    std::vector<uint8_t> bytes;
    if (!OpenClipboard(nullptr)) return bytes;
    if (const HANDLE h = GetClipboardData(format)) {
        if (const void* p = GlobalLock(h)) {
            const auto* b = static_cast<const uint8_t*>(p);
            bytes.assign(b, b + GlobalSize(h));
            GlobalUnlock(h);
        }
    }
    CloseClipboard();
    return bytes;
}

}  // namespace lg::win::test
