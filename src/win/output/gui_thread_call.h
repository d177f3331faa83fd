// The upload worker's synchronous hand-over to the GUI thread: a step sent
// to a message-only window of the GUI thread, which runs it and answers.
// Once the program is stopping nothing crosses any more, so the GUI thread
// can wait for the worker without the worker waiting for it.
#pragma once

#include <windows.h>

#include <atomic>
#include <memory>

#include "output/upload/upload_transport.h"
#include "platform/window.h"

namespace lg::win {

// The worker's side. Shared with the worker, which may outlive the window
// by moments at exit: it keeps only the window's handle and the flag.
class SendToGuiThread : public GuiThreadCall {
public:
    explicit SendToGuiThread(HWND window) : window_(window) {}
    bool Run(const std::function<void()>& step) override;
    // Any thread: from now on Run does nothing and answers false.
    void Stop() { stopping_ = true; }

private:
    HWND window_;
    std::atomic<bool> stopping_{false};
};

// The GUI thread's side: the window that runs the steps.
class GuiThreadWindow : public Window {
public:
    // GUI thread.
    bool Create();
    // GUI thread: steps that arrive from now on are not run.
    void Stop() { stopping_ = true; }

    // Waits up to `timeoutMs` for `thread` to end, running the steps sent
    // meanwhile (they do nothing once stopping); true when it ended.
    static bool WaitForThread(HANDLE thread, DWORD timeoutMs);

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    bool stopping_ = false;
};

}  // namespace lg::win
