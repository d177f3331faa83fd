// A GET run off the GUI thread: the reply comes back to the GUI thread as a
// call, so a server that does not answer never freezes the tray, the
// hotkeys or a capture.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/window.h"

namespace lg::win {

class BackgroundGet : public Window {
public:
    using Reply = std::function<void(std::optional<std::string> body)>;

    BackgroundGet() = default;
    ~BackgroundGet() override;

    // Starts the request unless one is running; `done` runs on this thread
    // with the body of a 2xx reply, or nothing. False when it could not
    // start (or one is still running).
    bool Start(std::wstring url, DWORD timeoutMs, Reply done);
    bool Running() const { return running_; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    bool running_ = false;
    Reply done_;
};

}  // namespace lg::win
