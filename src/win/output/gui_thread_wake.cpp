#include "output/gui_thread_wake.h"

#include <exception>

namespace lg::win {
namespace {

constexpr wchar_t kClassName[] = L"LumigrabGuiThreadWake";
constexpr UINT kWake = WM_APP + 1;

}  // namespace

bool PostToGuiThread::Wake() {
    return PostMessageW(window_, kWake, 0, 0) != FALSE;
}

bool GuiThreadWindow::Create(std::function<void()> onWake) {
    onWake_ = std::move(onWake);
    return CreateMessageOnly(kClassName);
}

LRESULT GuiThreadWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg != kWake) return Window::HandleMessage(msg, wp, lp);
    try {
        if (onWake_) onWake_();
    } catch (const std::exception&) {
        // A failing step must not take the window procedure with it.
    }
    return 0;
}

}  // namespace lg::win
