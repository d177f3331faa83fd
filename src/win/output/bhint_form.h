// The notification window: a small panel in the bottom-right corner of the
// primary screen that reports how an output ended (copied, uploaded, not
// saved) for eight seconds, without taking the keyboard from anyone. One
// window is made at start-up and reused for every message. A link that
// could not reach the clipboard is shown in it with a button that copies
// it; the window grows for them.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
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
    // The same with the timer started afresh: the message gets its whole
    // time, whatever an earlier one left of it.
    void ShowMessageAnew(std::u16string_view message);
    // `message`, `link` under it (shortened in the middle when too long)
    // and the copy button, which calls `onCopy`; the whole time, afresh.
    void ShowLink(std::u16string_view message, std::u16string_view link,
                  std::function<void()> onCopy);
    // Hides the window; the timer goes on.
    void Close();

    bool Timer1Enabled() const { return timer1Enabled_; }
    bool ShowsLink() const { return linkShown_; }

    // Runs whenever the window is closed (its time, its close button,
    // Close), not when a new message takes the place of the one shown.
    std::function<void()> OnClosed;

    TImage Image1;
    TLabel lbCaption;
    TLabel lbText;
    TImageButton ImageButton1;
    TLabel lbLink;
    TImageButton btCopyLink;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    bool OnTimer(UINT_PTR id) override;
    void LayoutControls() override;

private:
    // Enabling a running timer leaves its count alone: a message shown
    // while another one's time runs goes when that time is up.
    void SetTimer1Enabled(bool enabled);
    void RestartTimer1();
    void Timer1Timer();
    // Puts the text in, with or without the link, hiding the message
    // shown without telling OnClosed; the window is shown after it.
    void Present(std::u16string_view message, bool withLink);
    void ShowAtCorner();

    UINT timer1Interval_;
    bool timer1Enabled_ = false;
    bool linkShown_ = false;
    int textLines_ = 1;  // of the message above the link
    std::function<void()> onCopy_;
};

// The notification window made last, or null before there is one.
TBHintForm* BHintForm();

// Shows `message` in the notification window; CR LF starts a new line.
// Does nothing (but trace) before the window exists.
void ShowBHint(std::u16string_view message);

}  // namespace lg::win
