#include "net/win_http_session.h"

#include <string>

namespace lg::win {
namespace {

constexpr wchar_t kUserAgent[] = L"Lumigrab/2.0";
// WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY (Windows 8.1 and later), spelled out
// for older headers.
constexpr DWORD kAutomaticProxy = 4;

}  // namespace

UniqueInternet OpenHttpSession() {
    UniqueInternet session(WinHttpOpen(kUserAgent, kAutomaticProxy, WINHTTP_NO_PROXY_NAME,
                                       WINHTTP_NO_PROXY_BYPASS, 0));
    if (session) return session;
    // An older system: the proxy the user configured for the browser.
    WINHTTP_CURRENT_USER_IE_PROXY_CONFIG ie{};
    const bool haveIe = WinHttpGetIEProxyConfigForCurrentUser(&ie) != FALSE;
    if (haveIe && ie.lpszProxy) {
        session.reset(WinHttpOpen(kUserAgent, WINHTTP_ACCESS_TYPE_NAMED_PROXY, ie.lpszProxy,
                                  ie.lpszProxyBypass ? ie.lpszProxyBypass : WINHTTP_NO_PROXY_BYPASS,
                                  0));
    } else {
        session.reset(WinHttpOpen(kUserAgent, WINHTTP_ACCESS_TYPE_DEFAULT_PROXY,
                                  WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
    }
    if (haveIe) {
        if (ie.lpszAutoConfigUrl) GlobalFree(ie.lpszAutoConfigUrl);
        if (ie.lpszProxy) GlobalFree(ie.lpszProxy);
        if (ie.lpszProxyBypass) GlobalFree(ie.lpszProxyBypass);
    }
    return session;
}

std::optional<HttpTarget> CrackHttpsUrl(std::wstring_view url) {
    return CrackHttpUrl(url, false);
}

std::optional<HttpTarget> CrackHttpUrl(std::wstring_view url, bool plainAllowed) {
    std::wstring text(url);
    URL_COMPONENTS parts{};
    parts.dwStructSize = sizeof(parts);
    parts.dwSchemeLength = static_cast<DWORD>(-1);
    parts.dwHostNameLength = static_cast<DWORD>(-1);
    parts.dwUrlPathLength = static_cast<DWORD>(-1);
    parts.dwExtraInfoLength = static_cast<DWORD>(-1);
    if (!WinHttpCrackUrl(text.c_str(), static_cast<DWORD>(text.size()), 0, &parts)) {
        return std::nullopt;
    }
    const bool secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
    const bool plain = parts.nScheme == INTERNET_SCHEME_HTTP && plainAllowed;
    if (!(secure || plain) || parts.dwHostNameLength == 0) return std::nullopt;
    HttpTarget t;
    t.secure = secure;
    t.host.assign(parts.lpszHostName, parts.dwHostNameLength);
    t.port = parts.nPort;
    t.pathAndQuery.assign(parts.lpszUrlPath, parts.dwUrlPathLength);
    if (parts.lpszExtraInfo) t.pathAndQuery.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    if (t.pathAndQuery.empty()) t.pathAndQuery = L"/";
    return t;
}

std::optional<DWORD> StatusCode(HINTERNET request) {
    DWORD status = 0, size = sizeof(status);
    if (!WinHttpQueryHeaders(request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                             WINHTTP_HEADER_NAME_BY_INDEX, &status, &size,
                             WINHTTP_NO_HEADER_INDEX)) {
        return std::nullopt;
    }
    return status;
}

bool StatusIsSuccess(HINTERNET request) {
    const std::optional<DWORD> status = StatusCode(request);
    return status && *status >= 200 && *status < 300;
}

std::optional<std::string> ReadWholeBody(HINTERNET request, std::size_t maxBytes) {
    std::string body;
    for (;;) {
        DWORD available = 0;
        if (!WinHttpQueryDataAvailable(request, &available)) return std::nullopt;
        if (available == 0) return body;
        if (available > maxBytes - body.size()) return std::nullopt;
        const std::size_t at = body.size();
        body.resize(at + available);
        DWORD read = 0;
        if (!WinHttpReadData(request, body.data() + at, available, &read)) return std::nullopt;
        body.resize(at + read);
        if (read == 0) return body;
    }
}

}  // namespace lg::win
