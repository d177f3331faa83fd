// A GET run off the GUI thread: the reply comes back to the GUI thread as a
// call, so a server that does not answer never freezes the tray, the
// hotkeys or a capture.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "net/http_get.h"
#include "platform/window.h"

namespace lg::win {

class BackgroundGet : public Window {
public:
    using Reply = std::function<void(HttpGetResult result)>;

    BackgroundGet() = default;
    ~BackgroundGet() override;

    // Starts the request unless one is running; `done` runs on this thread
    // with how it ended (HttpGet). False when it could not start (or one is
    // still running).
    bool Start(std::wstring url, DWORD timeoutMs, std::size_t maxBody, Reply done);
    bool Running() const { return running_; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    bool running_ = false;
    Reply done_;
};

}  // namespace lg::win
