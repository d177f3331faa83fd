// The hidden message-only window that holds the capture hotkeys: the
// system posts WM_HOTKEY to it with the hotkey's identifier.
#pragma once

#include <windows.h>

#include <functional>

#include "platform/window.h"

namespace lg::win {

class HotKeyWindow : public Window {
public:
    bool CreateForm();

    // Called with the identifier of each hotkey message.
    std::function<void(int id)> OnHotKey;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
};

}  // namespace lg::win
