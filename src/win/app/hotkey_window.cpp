#include "app/hotkey_window.h"

namespace lg::win {
namespace {

constexpr wchar_t kClassName[] = L"TLumigrabHotKeyWindow";

}  // namespace

bool HotKeyWindow::CreateForm() {
    return CreateMessageOnly(kClassName);
}

LRESULT HotKeyWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    const LRESULT r = Window::HandleMessage(msg, wp, lp);
    if (msg == WM_HOTKEY && OnHotKey) OnHotKey(static_cast<int>(wp));
    return r;
}

}  // namespace lg::win
