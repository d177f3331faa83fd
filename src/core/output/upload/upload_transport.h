// What the upload worker needs from the platform: one POST to the image
// server, and a way to call the GUI thread over without waiting for it.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace lg {

struct UploadRequest {
    std::string_view contentType;
    std::span<const std::uint8_t> body;
};

class UploadTransport {
public:
    virtual ~UploadTransport() = default;
    // Worker thread. Sends `request` as one POST, calling `written` after
    // each piece of the body with the count of body bytes written so far.
    // The reply body when the server answered with a success status;
    // nothing after any failure (no connection, certificate, time-out,
    // error status, cancelled).
    virtual std::optional<std::string> Post(const UploadRequest& request,
                                            const std::function<void(std::int64_t)>& written) = 0;
    // Any thread. Ends a Post in progress as soon as the platform allows
    // and makes every later one fail at once.
    virtual void Cancel() = 0;
};

class GuiThreadWake {
public:
    virtual ~GuiThreadWake() = default;
    // Any thread; never waits for the GUI thread. Asks it to call
    // ScreenUploader::DeliverToGui soon (a posted message); false when the
    // request could not be made.
    virtual bool Wake() = 0;
};

}  // namespace lg
