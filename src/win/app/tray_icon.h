// The notification-area icon of a window. Added at start-up, added again
// when the shell announces a new taskbar, and, when adding fails (started
// at logon before the shell is ready), tried again on the window's timer
// with the waits of TrayRetryDelay.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <functional>
#include <string>

#include "app/tray_retry.h"

namespace lg::win {

class TrayIcon {
public:
    // Adds, changes or removes the icon: the shell's own call, unless a
    // test puts a fake in its place. True when the shell took the request.
    using ShellCall = std::function<bool(DWORD message, NOTIFYICONDATAW& data)>;

    // `id` names the icon among the owner's, `callbackMessage` brings its
    // mouse events to the owner, `retryTimer` is a timer id of the owner
    // that nothing else uses.
    TrayIcon(UINT id, UINT callbackMessage, UINT_PTR retryTimer);
    ~TrayIcon() = default;
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // The window that owns the icon and its timer, the picture (owned by
    // the caller, alive while the icon is shown) and the hint.
    void SetOwner(HWND owner, HICON icon, std::wstring tip);

    // Adds the icon; on failure the retries start over from the first wait.
    // Also the answer to "TaskbarCreated".
    void Add();
    // Removes the icon and stops any retry.
    void Remove();
    // The owner's WM_TIMER: true when it was the retry timer (handled).
    bool OnTimer(UINT_PTR timer);

    bool Added() const { return added_; }
    bool Retrying() const { return retrying_; }

    ShellCall shell;
    TrayRetrySchedule schedule;

private:
    void Attempt();
    void StopRetry();
    NOTIFYICONDATAW Data() const;

    UINT id_;
    UINT callbackMessage_;
    UINT_PTR retryTimer_;
    HWND owner_ = nullptr;
    HICON icon_ = nullptr;
    std::wstring tip_;
    bool added_ = false;
    bool retrying_ = false;
    int failures_ = 0;
};

}  // namespace lg::win
