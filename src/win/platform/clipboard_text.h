// The clipboard's text: read for pasting into the text tool, written for
// an uploaded picture's link.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "output/clipboard_retry.h"

namespace lg::win {

// The Unicode text on the clipboard, up to its terminating zero; empty
// when there is none or the clipboard stays held by another program
// beyond `retry` (a paste waits on the GUI thread, so briefly).
std::u16string ReadClipboardText(HWND owner,
                                 ClipboardRetry retry = {
                                     .budgetMs = 250, .firstPauseMs = 10, .maxPauseMs = 50});

// Replaces the clipboard's contents with `text` (CF_UNICODETEXT; the
// system derives the other text formats), owned by `owner`. ERROR_SUCCESS
// or the error that stopped it.
[[nodiscard]] DWORD WriteClipboardText(HWND owner, std::u16string_view text,
                                       ClipboardRetry retry = {});

}  // namespace lg::win
