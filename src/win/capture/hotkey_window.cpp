#include "capture/hotkey_window.h"

namespace lg::win {
namespace {

constexpr wchar_t kClassName[] = L"TLumigrabHotKeyWindow";

}  // namespace

bool HotKeyWindow::CreateForm() {
    if (!RegisterClassOnce(kClassName)) return false;
    // Message-only: never shown, never enumerated, and no broadcast reaches it.
    return Create(kClassName, L"", 0, 0, 0, 0, 0, 0, HWND_MESSAGE);
}

LRESULT HotKeyWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    const LRESULT r = Window::HandleMessage(msg, wp, lp);
    if (msg == WM_HOTKEY && OnHotKey) OnHotKey(static_cast<int>(wp));
    return r;
}

}  // namespace lg::win
