#include "app/mouse_chord_hook.h"

#include <windows.h>

#include "app/app_actions.h"
#include "app/mouse_chord.h"
#include "platform/handles.h"
#include "settings/settings.h"

namespace lg::win {
namespace {

// The hook runs on the GUI thread that installed it, between its messages.
UniqueHook g_hook;
MouseChord g_chord;

LRESULT CALLBACK MouseChordHook(int code, WPARAM wp, LPARAM lp) {
    if (code == HC_ACTION) {
        bool start = false;
        try {
            start = g_chord.OnEvent(static_cast<std::uint32_t>(wp), LGSettings().TwoMouse);
        } catch (...) {
        }
        if (start) {
            RequestCapture(0);
            // The second press belongs to the chord, not to the window below.
            return 1;
        }
    }
    return CallNextHookEx(g_hook.get(), code, wp, lp);
}

}  // namespace

void InstallMouseChordHook() {
    if (!g_hook) {
        g_hook.reset(SetWindowsHookExW(WH_MOUSE_LL, &MouseChordHook, GetModuleHandleW(nullptr), 0));
    }
}

void RemoveMouseChordHook() {
    g_hook.reset();
}

}  // namespace lg::win
