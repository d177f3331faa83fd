// A small window base class: the static procedure stores `this` at
// WM_NCCREATE and forwards every message to HandleMessage. Exceptions never
// leave a window procedure: the base catches them and falls back to the
// default processing.
#pragma once

#include <windows.h>

namespace lg::win {

class Window {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND hwnd() const { return hwnd_; }

    // Registers `className` once per process with this class's procedure.
    static bool RegisterClassOnce(const wchar_t* className, UINT style = 0,
                                  HBRUSH background = nullptr);

protected:
    // Creates the window; `this` is bound before the first message.
    bool Create(const wchar_t* className, const wchar_t* caption, DWORD style, DWORD exStyle, int x,
                int y, int w, int h, HWND parent);
    virtual LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
    // Called from WM_NCDESTROY; the handle is no longer usable after it.
    virtual void OnDestroyed() {}

private:
    static LRESULT CALLBACK StaticProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);
    HWND hwnd_ = nullptr;
};

}  // namespace lg::win
