#include "platform/opened_clipboard.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace lg::win {
namespace {

// Waits `ms` while still answering messages other threads send to this
// one's windows: the program holding the clipboard may be waiting on one
// (WM_DESTROYCLIPBOARD to the last owner, for example) before it lets go.
// Posted input stays queued, so no click reaches the capture meanwhile.
void PauseAnsweringSentMessages(DWORD ms) {
    const ULONGLONG until = GetTickCount64() + ms;
    for (ULONGLONG now = GetTickCount64(); now < until; now = GetTickCount64()) {
        const DWORD left = static_cast<DWORD>(until - now);
        if (MsgWaitForMultipleObjects(0, nullptr, FALSE, left, QS_SENDMESSAGE) == WAIT_OBJECT_0) {
            MSG msg;
            PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        }
    }
}

}  // namespace

OpenedClipboard::OpenedClipboard(HWND owner, const ClipboardRetry& retry) {
    const ULONGLONG start = GetTickCount64();
    for (int failed = 1;; ++failed) {
        if (OpenClipboard(owner)) {
            open_ = true;
            return;
        }
        const DWORD error = GetLastError();
        error_ = error != ERROR_SUCCESS ? error : ERROR_ACCESS_DENIED;
        const ULONGLONG elapsed = GetTickCount64() - start;
        const std::optional<std::uint32_t> pause = NextClipboardPause(
            retry, failed, static_cast<std::uint32_t>(std::min<ULONGLONG>(elapsed, UINT32_MAX)));
        if (!pause) return;
        PauseAnsweringSentMessages(*pause);
    }
}

OpenedClipboard::~OpenedClipboard() {
    if (open_) CloseClipboard();
}

}  // namespace lg::win
