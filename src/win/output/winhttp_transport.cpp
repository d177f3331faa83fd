#include "output/winhttp_transport.h"

#include <algorithm>

#include "app/endpoints.h"
#include "net/server_address.h"
#include "platform/trace.h"

namespace lg::win {
namespace {

void SetDword(HINTERNET h, DWORD option, DWORD value) {
    WinHttpSetOption(h, option, &value, sizeof(value));
}

void TraceStatus(const wchar_t* what, DWORD value) {
    Trace((std::wstring(what) + std::to_wstring(value)).c_str());
}

}  // namespace

std::unique_ptr<WinHttpTransport> WinHttpTransport::ToImageServer() {
    return std::unique_ptr<WinHttpTransport>(
        new WinHttpTransport([] { return ServerPageAddress(endpoint::kImageGate); }, false));
}

std::unique_ptr<WinHttpTransport> WinHttpTransport::ToAddressForTests(std::wstring url) {
    return std::unique_ptr<WinHttpTransport>(
        new WinHttpTransport([url = std::move(url)] { return url; }, true));
}

WinHttpTransport::WinHttpTransport(std::function<std::wstring()> address, bool plainAllowed)
    : address_(std::move(address)), plainAllowed_(plainAllowed) {}

HINTERNET WinHttpTransport::Keep(UniqueInternet& slot, HINTERNET h) {
    const std::lock_guard lock(mutex_);
    if (!h) return nullptr;
    if (cancelled_) {
        WinHttpCloseHandle(h);
        return nullptr;
    }
    slot.reset(h);
    return h;
}

void WinHttpTransport::CloseAll() {
    const std::lock_guard lock(mutex_);
    request_.reset();
    connection_.reset();
    session_.reset();
}

void WinHttpTransport::Cancel() {
    const std::lock_guard lock(mutex_);
    cancelled_ = true;
    // Closing the handles ends a call blocked on them.
    request_.reset();
    connection_.reset();
    session_.reset();
}

std::optional<std::string> WinHttpTransport::Post(
    const UploadRequest& request, const std::function<void(std::int64_t)>& written) {
    std::optional<std::string> reply = Send(request, written);
    CloseAll();
    return reply;
}

std::optional<std::string> WinHttpTransport::Send(
    const UploadRequest& request, const std::function<void(std::int64_t)>& written) {
    const std::optional<HttpTarget> url = CrackHttpUrl(address_(), plainAllowed_);
    if (!url) {
        Trace(L"upload: unusable server address");
        return std::nullopt;
    }
    Trace(L"upload started");
    // The handles stay ours to close, or Cancel's; the calls below use
    // their values, which fail at once once Cancel has closed them.
    const HINTERNET session = Keep(session_, OpenHttpSession().release());
    if (!session) return std::nullopt;
    // A picture goes out on no other terms than these: the certificate is
    // checked as the system does by default (no flag weakens it here), and
    // no redirect may take it from https to plain http.
    SetDword(session, WINHTTP_OPTION_REDIRECT_POLICY,
             WINHTTP_OPTION_REDIRECT_POLICY_DISALLOW_HTTPS_TO_HTTP);
    SetDword(session, WINHTTP_OPTION_RECEIVE_TIMEOUT, kReceiveTimeoutMs);
    SetDword(session, WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, kReceiveTimeoutMs);
    const HINTERNET connection =
        Keep(connection_, WinHttpConnect(session, url->host.c_str(), url->port, 0));
    if (!connection) return std::nullopt;
    const HINTERNET h =
        Keep(request_, WinHttpOpenRequest(connection, L"POST", url->pathAndQuery.c_str(), nullptr,
                                          WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES,
                                          url->secure ? WINHTTP_FLAG_SECURE : 0));
    if (!h) return std::nullopt;
    const std::wstring headers =
        L"Content-Type: " + std::wstring(request.contentType.begin(), request.contentType.end()) +
        L"\r\n";
    const DWORD total = static_cast<DWORD>(request.body.size());
    if (!WinHttpSendRequest(h, headers.c_str(), static_cast<DWORD>(-1), WINHTTP_NO_REQUEST_DATA, 0,
                            total, 0)) {
        TraceStatus(L"upload: not sent, error ", GetLastError());
        return std::nullopt;
    }
    std::size_t sent = 0;
    while (sent < request.body.size()) {
        const DWORD piece = static_cast<DWORD>(std::min(kChunk, request.body.size() - sent));
        DWORD done = 0;
        if (!WinHttpWriteData(h, request.body.data() + sent, piece, &done) || done == 0) {
            TraceStatus(L"upload: write failed, error ", GetLastError());
            return std::nullopt;
        }
        sent += done;
        written(static_cast<std::int64_t>(sent));
    }
    if (!WinHttpReceiveResponse(h, nullptr)) {
        TraceStatus(L"upload: no reply, error ", GetLastError());
        return std::nullopt;
    }
    const std::optional<DWORD> status = StatusCode(h);
    if (!status) return std::nullopt;
    TraceStatus(L"upload: reply status ", *status);
    if (*status < 200 || *status > 299) return std::nullopt;
    return ReadWholeBody(h, kMaxReply);
}

}  // namespace lg::win
