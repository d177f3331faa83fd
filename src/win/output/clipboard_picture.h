// A picture on the clipboard, in the two forms programs paste from: CF_DIB
// (every Windows program, and the bitmap formats the system derives from
// it) and the registered "PNG" format (chat, office and image programs
// that keep the exact pixels).
#pragma once

#include <windows.h>

#include "output/clipboard_retry.h"
#include "output/image_view.h"

namespace lg::win {

// Replaces the clipboard's contents with `picture`, owned by `owner`, in
// one session. A clipboard another program holds open is tried again
// as `retry` says. ERROR_SUCCESS once the CF_DIB form is on the clipboard
// (the PNG form is added when it can be made); otherwise the error that
// stopped it, with the clipboard left as it was when it could not be
// opened.
[[nodiscard]] DWORD CopyPictureToClipboard(HWND owner, const ImageView32& picture,
                                           ClipboardRetry retry = {});

}  // namespace lg::win
