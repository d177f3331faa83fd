// The clipboard's text, for pasting into the text tool.
#pragma once

#include <windows.h>

#include <string>

#include "output/clipboard_retry.h"

namespace lg::win {

// The Unicode text on the clipboard, up to its terminating zero; empty
// when there is none or the clipboard stays held by another program
// beyond `retry` (a paste waits on the GUI thread, so briefly).
std::u16string ReadClipboardText(HWND owner,
                                 ClipboardRetry retry = {
                                     .budgetMs = 250, .firstPauseMs = 10, .maxPauseMs = 50});

}  // namespace lg::win
