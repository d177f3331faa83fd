// The product under test, as the Windows tests reach it: dist/Lumigrab.exe
// through Wine's Z: drive.
#pragma once

#include <string>

#include "platform/u16.h"

namespace lg::win::testing {

inline std::wstring DistExe() {
    std::wstring path = Utf8ToWide(LUMIGRAB_DIST_DIR);
    for (auto& c : path) {
        if (c == L'/') c = L'\\';
    }
    return L"Z:" + path + L"\\Lumigrab.exe";
}

}  // namespace lg::win::testing
