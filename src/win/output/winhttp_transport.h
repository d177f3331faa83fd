// The upload's POST over WinHTTP, the system's own HTTP stack: the server's
// certificate checked against the system store, the user's proxy settings
// honoured, redirects followed, every read waiting at most 10 s. The body
// goes out in pieces, so the progress counts bytes really written.
#pragma once

#include <windows.h>
#include <winhttp.h>

#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "net/win_http_session.h"
#include "output/upload/upload_transport.h"

namespace lg::win {

class WinHttpTransport : public UploadTransport {
public:
    // The image server's upload address: the base address (the build's, or
    // the registry's "ServerURL", read again for every upload) and the
    // upload path. HTTPS only.
    static std::unique_ptr<WinHttpTransport> ToImageServer();
    // Any http:// or https:// address, for tests that stand a plain local
    // listener in for the server. The program never makes one.
    static std::unique_ptr<WinHttpTransport> ToAddressForTests(std::wstring url);

    std::optional<std::string> Post(const UploadRequest& request,
                                    const std::function<void(std::int64_t)>& written) override;
    void Cancel() override;

    // Each read from the connection waits at most this long.
    static constexpr DWORD kReceiveTimeoutMs = 10000;
    // The body goes out in pieces of this size.
    static constexpr std::size_t kChunk = 16 * 1024;
    // A reply longer than this is no reply of the image server's.
    static constexpr std::size_t kMaxReply = 1 << 20;

private:
    WinHttpTransport(std::function<std::wstring()> address, bool plainAllowed);

    std::optional<std::string> Send(const UploadRequest& request,
                                    const std::function<void(std::int64_t)>& written);
    // Takes `h` into `slot` and answers it, or closes it and answers null
    // when it failed or the transport is cancelled.
    HINTERNET Keep(UniqueInternet& slot, HINTERNET h);
    void CloseAll();

    const std::function<std::wstring()> address_;
    const bool plainAllowed_;
    std::mutex mutex_;
    bool cancelled_ = false;
    UniqueInternet session_, connection_, request_;
};

}  // namespace lg::win
