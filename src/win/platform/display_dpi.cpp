#include "platform/display_dpi.h"

#include "platform/handles.h"

namespace lg::win {
namespace {

// Both queries arrived after the oldest systems the program runs on, so
// they are looked up rather than imported: without them the system DPI
// holds for every monitor, as it does there.
using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
constexpr int kMdtEffectiveDpi = 0;
// Only the system folder: never a DLL planted beside the program.
constexpr DWORD kSearchSystem32 = 0x00000800;

template <typename Fn>
Fn Lookup(const wchar_t* module, const char* name) {
    HMODULE m = GetModuleHandleW(module);
    if (!m) m = LoadLibraryExW(module, nullptr, kSearchSystem32);
    if (!m) return nullptr;
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(m, name)));
}

GetDpiForMonitorFn DpiForMonitor() {
    static const GetDpiForMonitorFn fn =
        Lookup<GetDpiForMonitorFn>(L"shcore.dll", "GetDpiForMonitor");
    return fn;
}

GetDpiForWindowFn DpiForWindow() {
    static const GetDpiForWindowFn fn = Lookup<GetDpiForWindowFn>(L"user32.dll", "GetDpiForWindow");
    return fn;
}

int SystemDpi() {
    ScopedGetDc screen(nullptr);
    return screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSX) : kBaseDpi;
}

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT r, LPARAM data) {
    auto* list = reinterpret_cast<std::vector<MonitorDpi>*>(data);
    list->push_back(
        MonitorDpi{TRect{r->left, r->top, r->right, r->bottom}, ScaleOfMonitor(monitor).Dpi()});
    return TRUE;
}

}  // namespace

DisplayScale ScaleOfMonitor(HMONITOR monitor) {
    if (GetDpiForMonitorFn fn = DpiForMonitor(); fn && monitor) {
        UINT x = 0, y = 0;
        if (SUCCEEDED(fn(monitor, kMdtEffectiveDpi, &x, &y)) && x > 0) {
            return DisplayScale(static_cast<int>(x));
        }
    }
    return DisplayScale(SystemDpi());
}

DisplayScale ScaleOfWindow(HWND wnd) {
    if (GetDpiForWindowFn fn = DpiForWindow(); fn && wnd) {
        if (const UINT dpi = fn(wnd); dpi > 0) return DisplayScale(static_cast<int>(dpi));
    }
    return ScaleOfMonitor(MonitorFromWindow(wnd, MONITOR_DEFAULTTONEAREST));
}

std::vector<MonitorDpi> MonitorsWithDpi() {
    std::vector<MonitorDpi> list;
    EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&list));
    return list;
}

DisplayScale ScaleOfScreenRect(const TRect& r) {
    const std::vector<MonitorDpi> monitors = MonitorsWithDpi();
    if (monitors.empty()) return DisplayScale(SystemDpi());
    return ScaleForRect(monitors, r);
}

DisplayScale ScaleOfPrimaryMonitor() {
    return ScaleOfMonitor(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY));
}

}  // namespace lg::win
