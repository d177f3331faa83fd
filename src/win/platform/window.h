// A small window base class: the static procedure stores `this` at
// WM_NCCREATE and forwards every message to HandleMessage, whose default
// hands the common messages to virtual handlers (timer, command, paint,
// close) before the default processing. A control's notification to its
// parent (WM_COMMAND with the control's handle) goes back to the control's
// own OnReflectedCommand first, so a control keeps its behaviour in its
// own class. Exceptions never leave a window procedure: the base catches
// them and falls back to the default processing.
#pragma once

#include <windows.h>

namespace lg::win {

// What a window is created with, by name.
struct WindowArgs {
    const wchar_t* className = nullptr;
    const wchar_t* title = L"";
    DWORD style = WS_POPUP;
    DWORD exStyle = 0;
    int x = CW_USEDEFAULT;
    int y = CW_USEDEFAULT;
    int width = CW_USEDEFAULT;
    int height = CW_USEDEFAULT;
    // The parent of a child window, the owner of a top-level one.
    HWND parent = nullptr;
};

// A topmost tool window at the screen's origin, sized later or now: no
// taskbar button; with an owner, always above the owner.
inline WindowArgs TopmostToolWindow(const wchar_t* className, const wchar_t* title, DWORD style,
                                    int width, int height, HWND owner) {
    return {.className = className,
            .title = title,
            .style = style,
            .exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW,
            .x = 0,
            .y = 0,
            .width = width,
            .height = height,
            .parent = owner};
}

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
    // The object behind a window of this program, or null.
    static Window* FromHandle(HWND wnd);

    // A notification this window (a control) sent its parent, handed back
    // to it: the code of the WM_COMMAND. True when handled.
    virtual bool OnReflectedCommand(WORD code) {
        (void)code;
        return false;
    }

protected:
    // Creates the window; `this` is bound before the first message.
    bool Create(const WindowArgs& args);
    // A message-only window: never shown, never enumerated, and no
    // broadcast reaches it. Registers the class on first use.
    bool CreateMessageOnly(const wchar_t* className);
    virtual LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
    // Makes `wnd`, a window of another procedure this object subclasses
    // (a system control), known to FromHandle, so its notifications come
    // back to OnReflectedCommand. Disown before it is destroyed.
    void Adopt(HWND wnd);
    static void Disown(HWND wnd);

    // Handlers the default HandleMessage calls; each returns true when it
    // handled the message, false for the default processing.
    virtual bool OnTimer(UINT_PTR id) {
        (void)id;
        return false;
    }
    // A menu item or accelerator (control null), or a control's
    // notification its own OnReflectedCommand left.
    virtual bool OnCommand(WORD id, WORD code, HWND control) {
        (void)id;
        (void)code;
        (void)control;
        return false;
    }
    virtual bool OnPaint() { return false; }
    virtual bool OnClose() { return false; }
    // Called from WM_NCDESTROY; the handle is no longer usable after it.
    virtual void OnDestroyed() {}

private:
    static LRESULT CALLBACK StaticProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);
    HWND hwnd_ = nullptr;
};

}  // namespace lg::win
