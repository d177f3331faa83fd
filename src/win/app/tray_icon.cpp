#include "app/tray_icon.h"

#include <string>

#include "platform/trace.h"

namespace lg::win {

TrayIcon::TrayIcon(UINT id, UINT callbackMessage, UINT_PTR retryTimer)
    : shell([](DWORD message, NOTIFYICONDATAW& data) {
          return Shell_NotifyIconW(message, &data) != FALSE;
      }),
      id_(id),
      callbackMessage_(callbackMessage),
      retryTimer_(retryTimer) {}

void TrayIcon::SetOwner(HWND owner, HICON icon, std::wstring tip) {
    owner_ = owner;
    icon_ = icon;
    tip_ = std::move(tip);
}

NOTIFYICONDATAW TrayIcon::Data() const {
    NOTIFYICONDATAW nid{};
    nid.cbSize = sizeof(nid);
    nid.hWnd = owner_;
    nid.uID = id_;
    nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    nid.uCallbackMessage = callbackMessage_;
    nid.hIcon = icon_;
    lstrcpynW(nid.szTip, tip_.c_str(), ARRAYSIZE(nid.szTip));
    return nid;
}

void TrayIcon::Add() {
    StopRetry();
    failures_ = 0;
    Attempt();
}

void TrayIcon::Attempt() {
    NOTIFYICONDATAW nid = Data();
    // A busy shell can take the icon and still report a time-out; then the
    // add fails as a duplicate and a change of the icon succeeds.
    added_ = shell(NIM_ADD, nid) || shell(NIM_MODIFY, nid);
    if (added_) {
        Trace(L"tray icon added");
        return;
    }
    const std::optional<std::uint32_t> wait = TrayRetryDelay(++failures_, schedule);
    if (!wait) {
        Trace(L"tray icon not added; no more retries");
        return;
    }
    retrying_ = SetTimer(owner_, retryTimer_, *wait, nullptr) != 0;
    Trace((L"tray icon not added; retry in " + std::to_wstring(*wait) + L" ms").c_str());
}

void TrayIcon::StopRetry() {
    if (retrying_) KillTimer(owner_, retryTimer_);
    retrying_ = false;
}

bool TrayIcon::OnTimer(UINT_PTR timer) {
    if (timer != retryTimer_) return false;
    // One shot: the next wait is set by the attempt if it fails again.
    StopRetry();
    // A timer message already queued when "TaskbarCreated" brought the icon.
    if (!added_) Attempt();
    return true;
}

void TrayIcon::Remove() {
    StopRetry();
    NOTIFYICONDATAW nid{};
    nid.cbSize = sizeof(nid);
    nid.hWnd = owner_;
    nid.uID = id_;
    shell(NIM_DELETE, nid);
    added_ = false;
}

}  // namespace lg::win
