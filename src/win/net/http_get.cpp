#include "net/http_get.h"

#include <winhttp.h>

#include "net/win_http_session.h"

namespace lg::win {

std::optional<std::string> HttpGet(std::wstring_view url, DWORD timeoutMs) {
    const std::optional<HttpTarget> target = CrackHttpsUrl(url);
    if (!target) return std::nullopt;
    UniqueInternet session = OpenHttpSession();
    if (!session) return std::nullopt;
    WinHttpSetTimeouts(session.get(), static_cast<int>(timeoutMs), static_cast<int>(timeoutMs),
                       static_cast<int>(timeoutMs), static_cast<int>(timeoutMs));
    UniqueInternet connection(WinHttpConnect(session.get(), target->host.c_str(), target->port, 0));
    if (!connection) return std::nullopt;
    UniqueInternet request(
        WinHttpOpenRequest(connection.get(), L"GET", target->pathAndQuery.c_str(), nullptr,
                           WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES, WINHTTP_FLAG_SECURE));
    if (!request) return std::nullopt;
    if (!WinHttpSendRequest(request.get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0,
                            WINHTTP_NO_REQUEST_DATA, 0, 0, 0) ||
        !WinHttpReceiveResponse(request.get(), nullptr)) {
        return std::nullopt;
    }
    if (!StatusIsSuccess(request.get())) return std::nullopt;
    return ReadWholeBody(request.get());
}

}  // namespace lg::win
