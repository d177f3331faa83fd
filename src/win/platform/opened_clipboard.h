// The clipboard, open for a scope. Clipboard managers and remote-desktop
// clients hold it for moments at a time, so opening tries again as the
// retry rule says, answering messages sent to this thread meanwhile.
#pragma once

#include <windows.h>

#include "output/clipboard_retry.h"

namespace lg::win {

class OpenedClipboard {
public:
    OpenedClipboard(HWND owner, const ClipboardRetry& retry);
    ~OpenedClipboard();
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;

    bool open() const { return open_; }
    // Why it could not be opened.
    DWORD error() const { return error_; }

private:
    bool open_ = false;
    DWORD error_ = ERROR_SUCCESS;
};

}  // namespace lg::win
