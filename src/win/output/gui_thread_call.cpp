#include "output/gui_thread_call.h"

#include <exception>

namespace lg::win {
namespace {

constexpr wchar_t kClassName[] = L"LumigrabGuiThreadCall";
constexpr UINT kRunStep = WM_APP + 1;
constexpr LRESULT kRan = 1;

}  // namespace

bool SendToGuiThread::Run(const std::function<void()>& step) {
    if (stopping_) return false;
    // A window destroyed meanwhile answers 0 at once.
    return SendMessageW(window_, kRunStep, 0, reinterpret_cast<LPARAM>(&step)) == kRan;
}

bool GuiThreadWindow::Create() {
    return CreateMessageOnly(kClassName);
}

LRESULT GuiThreadWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg != kRunStep) return Window::HandleMessage(msg, wp, lp);
    if (stopping_) return 0;
    try {
        (*reinterpret_cast<const std::function<void()>*>(lp))();
    } catch (const std::exception&) {
        // A failing step must not take the window procedure with it.
    }
    return kRan;
}

bool GuiThreadWindow::WaitForThread(HANDLE thread, DWORD timeoutMs) {
    const ULONGLONG start = GetTickCount64();
    for (;;) {
        const ULONGLONG elapsed = GetTickCount64() - start;
        if (elapsed >= timeoutMs) return WaitForSingleObject(thread, 0) == WAIT_OBJECT_0;
        const DWORD r = MsgWaitForMultipleObjects(
            1, &thread, FALSE, static_cast<DWORD>(timeoutMs - elapsed), QS_SENDMESSAGE);
        if (r == WAIT_OBJECT_0) return true;
        if (r != WAIT_OBJECT_0 + 1) return false;
        // Peeking runs the messages other threads sent to this one.
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

}  // namespace lg::win
