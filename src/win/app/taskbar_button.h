// Keeps the hidden application window off the taskbar while a stand-alone
// window gets its own button.
#pragma once

#include <windows.h>

namespace lg::win {

// Removes `wnd`'s taskbar button through the shell's task-bar list service.
// Returns the failure of the service (S_OK on success) instead of raising.
[[nodiscard]] HRESULT RemoveAppTaskbarButton(HWND wnd);

}  // namespace lg::win
