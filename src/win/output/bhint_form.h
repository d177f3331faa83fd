// The notification window: a small panel in the bottom-right corner of the
// primary screen that reports how an output ended (copied, uploaded, not
// saved) for eight seconds, without taking the keyboard from anyone. One
// window is made at start-up and reused for every message.
#pragma once

#include <windows.h>

#include <string_view>

#include "controls/control_surface.h"
#include "controls/image_button.h"
#include "controls/image_control.h"
#include "controls/label.h"
#include "dpi/display_scale.h"
#include "platform/window.h"

namespace lg::win {

// Where the notification goes: `width` x `height` with a 10-pixel margin
// (at `scale`) from the bottom-right corner of `workArea`.
POINT NotificationPosition(const RECT& workArea, int width, int height,
                           DisplayScale scale = DisplayScale());

// The primary monitor's work area (the screen without the taskbar).
RECT PrimaryWorkArea();

// Moves the corner pop-up `hwnd` (the notification, the upload progress)
// to its place in the primary work area's bottom-right corner, where the
// taskbar leaves it now; with `show`, also shown on top of the topmost
// windows, without taking the focus.
void PlaceInNotificationCorner(HWND hwnd, int width, int height, DisplayScale scale, bool show);

class TBHintForm : public Window {
public:
    // The client size in 96-DPI pixels.
    static constexpr int kClientWidth = 399;
    static constexpr int kClientHeight = 104;
    static constexpr UINT kTimer1Interval = 8000;  // ms a message stays

    // Tests pass a shorter interval to see the timer rules in seconds.
    explicit TBHintForm(UINT timer1Interval = kTimer1Interval);
    ~TBHintForm() override;

    // Creates the hidden window, placed, owned by `owner` (the program's
    // hidden main window); it becomes the window ShowBHint uses.
    bool CreateForm(HWND owner = nullptr);

    // Hides a message being shown, then shows this one and starts the
    // timer unless it is already running.
    void ShowMessage(std::u16string_view message);
    // Hides the window; the timer goes on.
    void Close();

    bool Showing() const { return hwnd() && IsWindowVisible(hwnd()); }
    bool Timer1Enabled() const { return timer1Enabled_; }
    // The client size in pixels, at the scale of the primary monitor.
    int ClientWidth() const { return scale_.Px(kClientWidth); }
    int ClientHeight() const { return scale_.Px(kClientHeight); }
    const DisplayScale& Scale() const { return scale_; }
    // Lays the window out at `scale` (the primary monitor's, normally).
    void SetScale(DisplayScale scale);
    ControlSurface& Controls() { return controls_; }

    TImage Image1;
    TLabel lbCaption;
    TLabel lbText;
    TImageButton ImageButton1;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    bool OnTimer(UINT_PTR id) override;

private:
    void LayoutControls();
    void PlaceOnWorkArea();
    // Enabling a running timer leaves its count alone: a message shown
    // while another one's time runs goes when that time is up.
    void SetTimer1Enabled(bool enabled);
    void Timer1Timer();

    DisplayScale scale_;
    UINT timer1Interval_;
    bool timer1Enabled_ = false;
    ControlSurface controls_;
};

// Shows `message` in the notification window; CR LF starts a new line.
// Does nothing (but trace) before the window exists.
void ShowBHint(std::u16string_view message);

}  // namespace lg::win
