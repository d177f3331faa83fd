// A window shown modal for its owner: the owner disabled, the messages
// run until a result is set, the owner enabled again before the window
// hides (so the activation returns to it rather than to another program).
#pragma once

#include <windows.h>

#include <functional>

namespace lg::win {

// Disables `owner`, calls `show`, then runs the thread's messages until
// `result` is non-zero or `window` is destroyed; a request to quit sets
// `closed` and goes on to the loop that ends the program. `filter` sees
// each message first and keeps it from dispatch when it answers true.
// Answers the result (`closed` when none was set).
int RunModal(HWND window, HWND owner, int& result, int closed, const std::function<void()>& show,
             const std::function<bool(const MSG&)>& filter = {});

}  // namespace lg::win
