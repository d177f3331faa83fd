// An owned registry key handle, closed when it goes out of scope.
#pragma once

#include <windows.h>

#include "platform/handles.h"

namespace lg::win {

struct RegKeyTraits {
    static HKEY Invalid() { return nullptr; }
    static void Close(HKEY h) { RegCloseKey(h); }
};
using UniqueRegKey = UniqueHandle<HKEY, RegKeyTraits>;

// Opens root\path without creating it; `status` (optional) receives the error.
inline UniqueRegKey OpenRegKey(HKEY root, const wchar_t* path, REGSAM access,
                               LSTATUS* status = nullptr) {
    HKEY h = nullptr;
    LSTATUS rc = RegOpenKeyExW(root, path, 0, access, &h);
    if (status) *status = rc;
    return UniqueRegKey(rc == ERROR_SUCCESS ? h : nullptr);
}

// Opens root\path, creating it and any missing parents.
inline UniqueRegKey CreateRegKey(HKEY root, const wchar_t* path, REGSAM access,
                                 LSTATUS* status = nullptr) {
    HKEY h = nullptr;
    LSTATUS rc = RegCreateKeyExW(root, path, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr,
                                 &h, nullptr);
    if (status) *status = rc;
    return UniqueRegKey(rc == ERROR_SUCCESS ? h : nullptr);
}

}  // namespace lg::win
