// A global hotkey held for the life of the object: registered on
// construction, released by the destructor. For a key the program wants
// only for a while (Esc during a countdown), so it is never kept from
// other programs longer than that.
#pragma once

#include <windows.h>

namespace lg::win {

class RegisteredHotKey {
public:
    RegisteredHotKey(HWND wnd, int id, UINT modifiers, UINT virtualKey)
        : wnd_(wnd), id_(id), held_(RegisterHotKey(wnd, id, modifiers, virtualKey) != FALSE) {}
    ~RegisteredHotKey() {
        if (held_) UnregisterHotKey(wnd_, id_);
    }
    RegisteredHotKey(const RegisteredHotKey&) = delete;
    RegisteredHotKey& operator=(const RegisteredHotKey&) = delete;

    // The system gave it (another program may hold the combination).
    bool Held() const { return held_; }

private:
    HWND wnd_;
    int id_;
    bool held_;
};

}  // namespace lg::win
