#include "capture/window_frame.h"

#include "capture/capture_geometry.h"

namespace lg::win {
namespace {

using DwmGetWindowAttributeFn = HRESULT(WINAPI*)(HWND, DWORD, PVOID, DWORD);
constexpr DWORD kDwmwaExtendedFrameBounds = 9;
constexpr DWORD kDwmwaCloaked = 14;
// Only the system folder: never a DLL planted beside the program.
constexpr DWORD kSearchSystem32 = 0x00000800;

// Looked up rather than imported: the compositor's library may be missing
// or not answer (older systems, Wine); the window rectangle then holds.
DwmGetWindowAttributeFn DwmGetWindowAttributeProc() {
    static const DwmGetWindowAttributeFn fn = [] {
        // Kept loaded for the life of the process, like the cached pointer.
        HMODULE m = GetModuleHandleW(L"dwmapi.dll");
        if (!m) m = LoadLibraryExW(L"dwmapi.dll", nullptr, kSearchSystem32);
        if (!m) return DwmGetWindowAttributeFn{};
        return reinterpret_cast<DwmGetWindowAttributeFn>(
            reinterpret_cast<void*>(GetProcAddress(m, "DwmGetWindowAttribute")));
    }();
    return fn;
}

std::optional<TRect> ExtendedFrameOf(HWND wnd) {
    DwmGetWindowAttributeFn fn = DwmGetWindowAttributeProc();
    if (!fn) return std::nullopt;
    RECT r{};
    if (FAILED(fn(wnd, kDwmwaExtendedFrameBounds, &r, sizeof(r)))) return std::nullopt;
    return TRect{r.left, r.top, r.right, r.bottom};
}

}  // namespace

std::optional<TRect> VisibleFrameOf(HWND wnd) {
    RECT r;
    if (!wnd || !GetWindowRect(wnd, &r)) return std::nullopt;
    return VisibleWindowFrame(ExtendedFrameOf(wnd), TRect{r.left, r.top, r.right, r.bottom});
}

bool WindowCloaked(HWND wnd) {
    DwmGetWindowAttributeFn fn = DwmGetWindowAttributeProc();
    if (!fn || !wnd) return false;
    DWORD cloaked = 0;
    return SUCCEEDED(fn(wnd, kDwmwaCloaked, &cloaked, sizeof(cloaked))) && cloaked != 0;
}

}  // namespace lg::win
