// The countdown of a delayed capture: a small panel in the middle of the
// monitor under the pointer showing the seconds left, at that monitor's
// scale, topmost, transparent to the mouse and never activated. Esc is a
// hotkey held only while it counts. At zero the panel hides, and the
// capture is asked for a moment later, once the screen below it has been
// drawn again, so the panel is never in the picture.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>

#include "app/capture_countdown.h"
#include "controls/surface_window.h"
#include "platform/registered_hot_key.h"

namespace lg::win {

class CountdownWindow : public SurfaceWindow {
public:
    // The client size in 96-DPI pixels.
    static constexpr int kClientWidth = 132;
    static constexpr int kClientHeight = 112;

    CountdownWindow();

    // Creates the hidden window, owned by the program's hidden main window
    // (no taskbar button).
    bool CreateForm(HWND owner);

    // Counts `seconds` down, or starts over with them.
    void Start(int seconds);
    // Stops the countdown, or the capture about to follow it; nothing
    // when neither is under way.
    void Cancel();
    // Counting, or the capture is about to follow.
    bool Active() const { return countdown_.Running() || capturePending_; }

    // The time is up and the panel is off the screen.
    std::function<void()> OnCapture;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    bool OnTimer(UINT_PTR id) override;
    void LayoutControls() override {}

private:
    void Tick();
    void PlaceUnderPointer();
    void Hide();
    void Paint(TBitmap32& surface) const;

    CaptureCountdown countdown_;
    int total_ = 0;
    int shown_ = 0;
    bool capturePending_ = false;
    std::optional<RegisteredHotKey> escape_;
};

}  // namespace lg::win
