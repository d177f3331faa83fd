#include "app/mouse_chord_hook.h"

#include <windows.h>

#include <memory>

#include "app/app_actions.h"
#include "app/mouse_chord.h"
#include "platform/handles.h"
#include "platform/window.h"
#include "settings/settings.h"

namespace lg::win {
namespace {

constexpr wchar_t kClassName[] = L"TLumigrabMouseChord";
constexpr UINT kChordMessage = WM_APP + 1;

// Receives the chord the hook saw and starts the capture from the loop.
class ChordWindow : public Window {
public:
    explicit ChordWindow(std::function<void()> onChord) : onChord_(std::move(onChord)) {}

    bool CreateForm() { return CreateMessageOnly(kClassName); }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
        if (msg == kChordMessage) {
            if (onChord_) {
                onChord_();
            } else {
                RequestCapture(0);
            }
            return 0;
        }
        return Window::HandleMessage(msg, wp, lp);
    }

private:
    std::function<void()> onChord_;
};

// The hook runs on the GUI thread that installed it, between its messages.
UniqueHook g_hook;
MouseChord g_chord;
std::unique_ptr<ChordWindow> g_window;

LRESULT CALLBACK MouseChordHook(int code, WPARAM wp, LPARAM lp) {
    if (code == HC_ACTION &&
        g_chord.OnEvent(static_cast<std::uint32_t>(wp), LGSettings().TwoMouse) && g_window &&
        PostMessageW(g_window->hwnd(), kChordMessage, 0, 0)) {
        // The second press belongs to the chord, not to the window below.
        return 1;
    }
    return CallNextHookEx(g_hook.get(), code, wp, lp);
}

}  // namespace

void InstallMouseChordHook(std::function<void()> onChord) {
    if (g_hook) return;
    auto window = std::make_unique<ChordWindow>(std::move(onChord));
    if (!window->CreateForm()) return;
    g_window = std::move(window);
    g_chord = MouseChord();
    g_hook.reset(SetWindowsHookExW(WH_MOUSE_LL, &MouseChordHook, GetModuleHandleW(nullptr), 0));
}

void RemoveMouseChordHook() {
    g_hook.reset();
    g_window.reset();
}

}  // namespace lg::win
