#include "net/http_get.h"

#include <winhttp.h>

#include "net/win_http_session.h"

namespace lg::win {
namespace {

// The step's own code; a step that failed without one still failed.
DWORD LastErrorOr(DWORD fallback) {
    const DWORD error = GetLastError();
    return error != 0 ? error : fallback;
}

}  // namespace

HttpGetResult HttpGet(std::wstring_view url, DWORD timeoutMs, std::size_t maxBody) {
    HttpGetResult result;
    const std::optional<HttpTarget> target = CrackHttpsUrl(url);
    if (!target) {
        result.error = ERROR_WINHTTP_INVALID_URL;
        return result;
    }
    UniqueInternet session = OpenHttpSession();
    if (!session) {
        result.error = LastErrorOr(ERROR_WINHTTP_INTERNAL_ERROR);
        return result;
    }
    WinHttpSetTimeouts(session.get(), static_cast<int>(timeoutMs), static_cast<int>(timeoutMs),
                       static_cast<int>(timeoutMs), static_cast<int>(timeoutMs));
    UniqueInternet connection(WinHttpConnect(session.get(), target->host.c_str(), target->port, 0));
    UniqueInternet request(
        connection ? WinHttpOpenRequest(connection.get(), L"GET", target->pathAndQuery.c_str(),
                                        nullptr, WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES,
                                        WINHTTP_FLAG_SECURE)
                   : nullptr);
    if (!request ||
        !WinHttpSendRequest(request.get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0,
                            WINHTTP_NO_REQUEST_DATA, 0, 0, 0) ||
        !WinHttpReceiveResponse(request.get(), nullptr)) {
        result.error = LastErrorOr(ERROR_WINHTTP_CANNOT_CONNECT);
        return result;
    }
    const std::optional<DWORD> status = StatusCode(request.get());
    if (!status) {
        result.error = LastErrorOr(ERROR_WINHTTP_INVALID_SERVER_RESPONSE);
        return result;
    }
    result.status = *status;
    if (*status < 200 || *status >= 300) return result;
    SetLastError(0);
    std::optional<std::string> body = ReadWholeBody(request.get(), maxBody);
    if (!body) {
        result.error = LastErrorOr(ERROR_INVALID_DATA);
        return result;
    }
    result.body = std::move(*body);
    return result;
}

}  // namespace lg::win
