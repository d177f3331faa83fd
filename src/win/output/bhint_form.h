// The notification window: a small panel in the bottom-right corner of the
// primary screen that reports how an output ended (copied, uploaded, not
// saved) for eight seconds, without taking the keyboard from anyone. One
// window is made at start-up and reused for every message.
#pragma once

#include <windows.h>

#include <string_view>

#include "controls/image_button.h"
#include "controls/image_control.h"
#include "controls/label.h"
#include "output/corner_popup.h"

namespace lg::win {

class TBHintForm : public CornerPopup {
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

    bool Timer1Enabled() const { return timer1Enabled_; }

    TImage Image1;
    TLabel lbCaption;
    TLabel lbText;
    TImageButton ImageButton1;

protected:
    bool OnTimer(UINT_PTR id) override;
    void LayoutControls() override;

private:
    // Enabling a running timer leaves its count alone: a message shown
    // while another one's time runs goes when that time is up.
    void SetTimer1Enabled(bool enabled);
    void Timer1Timer();

    UINT timer1Interval_;
    bool timer1Enabled_ = false;
};

// Shows `message` in the notification window; CR LF starts a new line.
// Does nothing (but trace) before the window exists.
void ShowBHint(std::u16string_view message);

}  // namespace lg::win
