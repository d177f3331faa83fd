#include "sound/win_bass_library.h"

#include <atomic>
#include <memory>
#include <string>

#include "platform/u16.h"

namespace lg::win {
namespace {

constexpr wchar_t kClassName[] = L"TLumigrabSoundNotify";
constexpr UINT kNotifyMessage = WM_APP + 1;

using QWORD = std::uint64_t;
using LibSyncProc = void(CALLBACK*)(DWORD, DWORD, DWORD, void*);

// The window that receives the notifications; one library per process.
std::atomic<HWND> g_notifyWindow{nullptr};

// What travels from the library's thread to the GUI thread.
struct Notice {
    BassSyncProc proc;
    DWORD sync, channel, data;
    void* user;
};
// The core's procedure; it is one function for every notification.
std::atomic<BassSyncProc> g_coreProc{nullptr};

template <typename F>
F Bind(HMODULE m, const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(m, name)));
}

}  // namespace

WinBassLibrary::~WinBassLibrary() {
    Unload();
    if (hwnd()) DestroyWindow(hwnd());
}

bool WinBassLibrary::FileExists(std::u16string_view path) const {
    const DWORD a = GetFileAttributesW(ToWide(path).c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

void CALLBACK WinBassLibrary::Notification(DWORD sync, DWORD channel, DWORD data, void* user) {
    HWND target = g_notifyWindow.load();
    BassSyncProc proc = g_coreProc.load();
    if (!target || !proc) return;
    auto* notice = new Notice{proc, sync, channel, data, user};
    if (!PostMessageW(target, kNotifyMessage, 0, reinterpret_cast<LPARAM>(notice))) delete notice;
}

LRESULT WinBassLibrary::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == kNotifyMessage) {
        std::unique_ptr<Notice> n(reinterpret_cast<Notice*>(lp));
        n->proc(n->sync, n->channel, n->data, n->user);
        return 0;
    }
    if (msg == WM_NCDESTROY) {
        g_notifyWindow = nullptr;
        MSG pending;
        while (PeekMessageW(&pending, hwnd(), kNotifyMessage, kNotifyMessage, PM_REMOVE)) {
            delete reinterpret_cast<Notice*>(pending.lParam);
        }
    }
    return Window::HandleMessage(msg, wp, lp);
}

bool WinBassLibrary::Load(std::u16string_view path, BassFunctions& f) {
    Unload();
    if (!hwnd() && CreateMessageOnly(kClassName)) g_notifyWindow = hwnd();
    // A full path, and its own folder for anything it loads in turn.
    module_ = LoadLibraryExW(ToWide(path).c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    f = BassFunctions();
    if (!module_) return false;
    HMODULE m = module_;
    if (auto p = Bind<BOOL(WINAPI*)(int, DWORD, DWORD, HWND, const void*)>(m, "BASS_Init")) {
        f.Init = [p](int device, std::uint32_t freq, std::uint32_t flags, void* window) {
            return p(device, freq, flags, static_cast<HWND>(window), nullptr) != FALSE;
        };
    }
    if (auto p = Bind<BOOL(WINAPI*)()>(m, "BASS_Free")) f.Free = [p] { return p() != FALSE; };
    if (auto p = Bind<DWORD(WINAPI*)(const void*, DWORD)>(m, "BASS_PluginLoad")) {
        f.PluginLoad = [p](std::u16string_view file, std::uint32_t flags) {
            const std::wstring name = ToWide(file);
            return static_cast<std::uint32_t>(p(name.c_str(), flags));
        };
    }
    if (auto p = Bind<BOOL(WINAPI*)(DWORD)>(m, "BASS_PluginFree")) {
        f.PluginFree = [p](std::uint32_t h) { return p(h) != FALSE; };
    }
    if (auto p = Bind<DWORD(WINAPI*)(BOOL, const void*, QWORD, QWORD, DWORD)>(
            m, "BASS_StreamCreateFile")) {
        f.StreamCreateFile = [p](std::u16string_view file, std::uint32_t flags) {
            const std::wstring name = ToWide(file);
            return static_cast<std::uint32_t>(p(FALSE, name.c_str(), 0, 0, flags));
        };
    }
    if (auto p = Bind<BOOL(WINAPI*)(DWORD)>(m, "BASS_StreamFree")) {
        f.StreamFree = [p](std::uint32_t h) { return p(h) != FALSE; };
    }
    if (auto p = Bind<BOOL(WINAPI*)(DWORD, BOOL)>(m, "BASS_ChannelPlay")) {
        f.ChannelPlay = [p](std::uint32_t h, bool restart) { return p(h, restart) != FALSE; };
    }
    if (auto p = Bind<BOOL(WINAPI*)(DWORD)>(m, "BASS_ChannelPause")) {
        f.ChannelPause = [p](std::uint32_t h) { return p(h) != FALSE; };
    }
    if (auto p = Bind<BOOL(WINAPI*)(DWORD)>(m, "BASS_ChannelStop")) {
        f.ChannelStop = [p](std::uint32_t h) { return p(h) != FALSE; };
    }
    if (auto p = Bind<DWORD(WINAPI*)(DWORD, DWORD, QWORD, LibSyncProc, void*)>(
            m, "BASS_ChannelSetSync")) {
        f.ChannelSetSync = [p](std::uint32_t h, std::uint32_t kind, std::uint64_t param,
                               BassSyncProc proc, void* user) {
            g_coreProc = proc;
            return static_cast<std::uint32_t>(p(h, kind, param, &Notification, user));
        };
    }
    if (auto p = Bind<BOOL(WINAPI*)(DWORD, DWORD)>(m, "BASS_ChannelRemoveSync")) {
        f.ChannelRemoveSync = [p](std::uint32_t h, std::uint32_t s) { return p(h, s) != FALSE; };
    }
    if (auto p = Bind<QWORD(WINAPI*)(DWORD, DWORD)>(m, "BASS_ChannelGetPosition")) {
        f.ChannelGetPosition = [p](std::uint32_t h, std::uint32_t mode) { return p(h, mode); };
    }
    if (auto p = Bind<BOOL(WINAPI*)(DWORD, QWORD, DWORD)>(m, "BASS_ChannelSetPosition")) {
        f.ChannelSetPosition = [p](std::uint32_t h, std::uint64_t pos, std::uint32_t mode) {
            return p(h, pos, mode) != FALSE;
        };
    }
    if (auto p = Bind<QWORD(WINAPI*)(DWORD, DWORD)>(m, "BASS_ChannelGetLength")) {
        f.ChannelGetLength = [p](std::uint32_t h, std::uint32_t mode) { return p(h, mode); };
    }
    if (auto p = Bind<double(WINAPI*)(DWORD, QWORD)>(m, "BASS_ChannelBytes2Seconds")) {
        f.ChannelBytes2Seconds = [p](std::uint32_t h, std::uint64_t b) { return p(h, b); };
    }
    if (auto p = Bind<QWORD(WINAPI*)(DWORD, double)>(m, "BASS_ChannelSeconds2Bytes")) {
        f.ChannelSeconds2Bytes = [p](std::uint32_t h, double s) { return p(h, s); };
    }
    if (auto p = Bind<int(WINAPI*)()>(m, "BASS_ErrorGetCode")) f.ErrorGetCode = [p] { return p(); };
    if (auto p = Bind<BOOL(WINAPI*)(DWORD, DWORD, float*)>(m, "BASS_ChannelGetAttribute")) {
        f.ChannelGetAttribute = [p](std::uint32_t h, std::uint32_t a, float* v) {
            return p(h, a, v) != FALSE;
        };
    }
    if (auto p = Bind<BOOL(WINAPI*)(DWORD, DWORD, float)>(m, "BASS_ChannelSetAttribute")) {
        f.ChannelSetAttribute = [p](std::uint32_t h, std::uint32_t a, float v) {
            return p(h, a, v) != FALSE;
        };
    }
    return true;
}

void WinBassLibrary::Unload() {
    if (module_) FreeLibrary(module_);
    module_ = nullptr;
}

}  // namespace lg::win
