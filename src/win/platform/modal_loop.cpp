#include "platform/modal_loop.h"

#include "platform/window_disabled.h"

namespace lg::win {

int RunModal(HWND window, HWND owner, int& result, int closed, const std::function<void()>& show,
             const std::function<bool(const MSG&)>& filter) {
    result = 0;
    WindowDisabled ownerDisabled(owner);
    show();
    MSG msg;
    while (result == 0 && IsWindow(window)) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
            result = closed;
            break;
        }
        if (filter && filter(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (result == 0) result = closed;
    ownerDisabled.Restore();
    if (IsWindow(window)) ShowWindow(window, SW_HIDE);
    return result;
}

}  // namespace lg::win
