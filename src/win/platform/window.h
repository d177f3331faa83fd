// A small window base class: the static procedure stores `this` at
// WM_NCCREATE and forwards every message to HandleMessage, whose default
// hands the common messages to virtual handlers (timer, command, paint,
// close) before the default processing. What many windows of the program
// do alike (moved by their background, closed by Esc, never activated by
// a click, placed in a work area, following a change of DPI) they ask for
// with the options they are created with; the base answers those
// messages before HandleMessage sees them. A control's notification to its
// parent (WM_COMMAND with the control's handle) goes back to the control's
// own OnReflectedCommand first, so a control keeps its behaviour in its
// own class. Exceptions never leave a window procedure: the base catches
// them and falls back to the default processing.
#pragma once

#include <windows.h>

#include <cstdint>

#include "dpi/display_scale.h"

namespace lg::win {

// Where the base puts a window when it is created and when MoveToPlacement is
// called.
enum class Placement : std::uint8_t {
    // At the x and y it is created with, then wherever it is moved.
    Free,
    // Centred in the work area of a monitor (the primary one by default).
    WorkAreaCentre,
    // In the bottom-right corner of the primary monitor's work area, a
    // margin of kCornerMargin96 (at the scale) off its edges.
    PrimaryCorner,
    // Centred over its owner, kept inside the work area of the owner's
    // monitor; in the primary work area without an owner.
    OverOwner,
};

// The common behaviours a window asks the base for.
struct WindowOptions {
    // A press on no control moves the window, as its caption would
    // (TakesPress tells which points are controls).
    bool dragByBackground = false;
    // Esc does what the system's close does: OnClose.
    bool escapeCloses = false;
    // A click leaves the activation, and so the keyboard, where it was.
    bool noActivate = false;
    // On WM_DPICHANGED: OnScaleChanged, then the place the system suggests
    // (or the corner again for a corner window).
    bool followsDpi = false;
    Placement placement = Placement::Free;
};

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
    WindowOptions options{};
    // The monitor a window centred in a work area is created on; the
    // primary one when null.
    HMONITOR monitor = nullptr;
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

// A borderless window with a taskbar button of its own, centred in the
// work area of `monitor` (the primary one when null), moved by its
// background, closed by Esc and following a change of DPI: the settings
// and information windows. The system menu lets the taskbar close and
// minimise it.
inline WindowArgs OwnButtonWindow(const wchar_t* className, const wchar_t* title, DWORD extraStyle,
                                  int width, int height, HMONITOR monitor) {
    return {.className = className,
            .title = title,
            .style = WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | extraStyle,
            .exStyle = WS_EX_APPWINDOW,
            .width = width,
            .height = height,
            .options = {.dragByBackground = true,
                        .escapeCloses = true,
                        .followsDpi = true,
                        .placement = Placement::WorkAreaCentre},
            .monitor = monitor};
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
    // Creates the window; `this` is bound before the first message. A
    // placement other than Free puts it where the placement says, at the
    // width and height given, instead of at x and y.
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

    // For dragByBackground: whether a press at the client point goes to a
    // control rather than moving the window.
    virtual bool TakesPress(POINT client) {
        (void)client;
        return false;
    }
    // For followsDpi: the window lays itself out and sizes itself at
    // `scale`; the base then moves it.
    virtual void OnScaleChanged(DisplayScale scale) { (void)scale; }

    // Moves the window, at its present size, where its placement puts it:
    // `monitor` is the monitor of a work-area centre (null: the one the
    // window is on), `scale` the scale of the corner's margin.
    void MoveToPlacement(DisplayScale scale, HMONITOR monitor = nullptr);
    // Sets the size, keeping the window's centre where it is.
    void ResizeAroundCentre(int width, int height);
    // Shows the window above the topmost ones without activating it.
    void ShowTopmostInactive();

private:
    static LRESULT CALLBACK StaticProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);
    // The options' messages; true with `result` when one was answered.
    bool HandleOption(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

    HWND hwnd_ = nullptr;
    WindowOptions options_;
};

}  // namespace lg::win
