#include "capture/snap_window_list.h"

#include <windows.h>

#include <string_view>
#include <unordered_map>

#include "capture/window_frame.h"

namespace lg::win {
namespace {

struct Reader {
    std::vector<SnapWindowInfo> list;
    DWORD ourProcess = GetCurrentProcessId();
    int topZ = 0;
    // The windows of the top-level window being read: each child's parent
    // is found here, and the next stacking number among its siblings.
    std::unordered_map<HWND, int> index;
    std::unordered_map<int, int> childCount;
    bool failed = false;

    // The desktop's own windows: the shell window, and the workers that
    // hold the wallpaper behind it.
    HWND shell = GetShellWindow();

    bool Desktop(HWND wnd) const {
        if (wnd == shell) return true;
        wchar_t cls[16] = {};
        return GetClassNameW(wnd, cls, 16) > 0 && std::wstring_view(cls) == L"WorkerW";
    }

    bool Ours(HWND wnd) const {
        DWORD pid = 0;
        GetWindowThreadProcessId(wnd, &pid);
        return pid == ourProcess;
    }
};

void ReadChild(Reader& r, HWND wnd) {
    const auto parent = r.index.find(GetAncestor(wnd, GA_PARENT));
    if (parent == r.index.end()) return;  // not below a window read so far
    RECT rc;
    if (!GetWindowRect(wnd, &rc)) return;
    SnapWindowInfo info;
    info.rect = TRect{rc.left, rc.top, rc.right, rc.bottom};
    info.parent = parent->second;
    info.z = r.childCount[parent->second]++;
    info.ours = r.Ours(wnd);
    info.visible = IsWindowVisible(wnd) != FALSE;
    r.index.emplace(wnd, static_cast<int>(r.list.size()));
    r.list.push_back(info);
}

BOOL CALLBACK ChildProc(HWND wnd, LPARAM lp) {
    auto& r = *reinterpret_cast<Reader*>(lp);
    // Nothing may be thrown through the system's enumeration.
    try {
        ReadChild(r, wnd);
        return TRUE;
    } catch (...) {
        r.failed = true;
        return FALSE;
    }
}

void ReadTop(Reader& r, HWND wnd, LPARAM lp) {
    SnapWindowInfo info;
    info.z = r.topZ++;
    info.ours = r.Ours(wnd);
    info.desktop = r.Desktop(wnd);
    info.visible = IsWindowVisible(wnd) && !IsIconic(wnd) && !WindowCloaked(wnd);
    if (info.visible) {
        const std::optional<TRect> frame = VisibleFrameOf(wnd);
        if (!frame) return;
        info.rect = *frame;
    }
    const int at = static_cast<int>(r.list.size());
    r.list.push_back(info);
    // Our windows, the desktop and those that do not show take their
    // children with them: reading those would be time spent on nothing.
    if (!info.visible || info.ours || info.desktop) return;
    r.index.clear();
    r.childCount.clear();
    r.index.emplace(wnd, at);
    EnumChildWindows(wnd, ChildProc, lp);
}

BOOL CALLBACK TopProc(HWND wnd, LPARAM lp) {
    auto& r = *reinterpret_cast<Reader*>(lp);
    try {
        ReadTop(r, wnd, lp);
    } catch (...) {
        r.failed = true;
    }
    return r.failed ? FALSE : TRUE;
}

}  // namespace

std::vector<SnapWindowInfo> ReadSnapWindows() {
    Reader r;
    EnumWindows(TopProc, reinterpret_cast<LPARAM>(&r));
    // Half a tree could outline a window that something covers: none then.
    if (r.failed) return {};
    return std::move(r.list);
}

}  // namespace lg::win
