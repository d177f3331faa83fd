// The upload worker's wake-up of the GUI thread: a message posted to a
// message-only window there, whose handler collects what the worker left
// (ScreenUploader::DeliverToGui). Posting never waits, so the worker never
// waits for the GUI thread.
#pragma once

#include <windows.h>

#include <functional>

#include "output/upload/upload_transport.h"
#include "platform/window.h"

namespace lg::win {

// The worker's side: only the window's handle, so it may outlive the
// window by moments at exit (a post to a window that is gone fails).
class PostToGuiThread : public GuiThreadWake {
public:
    explicit PostToGuiThread(HWND window) : window_(window) {}
    bool Wake() override;

private:
    HWND window_;
};

// The GUI thread's side: the window that is woken.
class GuiThreadWindow : public Window {
public:
    // GUI thread. `onWake` runs for each wake-up message.
    bool Create(std::function<void()> onWake);

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    std::function<void()> onWake_;
};

}  // namespace lg::win
