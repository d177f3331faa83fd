// The pieces every request over WinHTTP shares: owned handles, the session
// with the user's proxy settings, the https address taken apart, the status
// and the body.
#pragma once

#include <windows.h>
#include <winhttp.h>

#include <optional>
#include <string>
#include <string_view>

#include "platform/handles.h"

namespace lg::win {

struct InternetHandleTraits {
    static HINTERNET Invalid() { return nullptr; }
    static void Close(HINTERNET h) { WinHttpCloseHandle(h); }
};
using UniqueInternet = UniqueHandle<HINTERNET, InternetHandleTraits>;

// A session that takes the user's proxy settings (automatic where the
// system offers it, else the browser's configuration); null on failure.
UniqueInternet OpenHttpSession();

struct HttpTarget {
    std::wstring host;
    INTERNET_PORT port = INTERNET_DEFAULT_HTTPS_PORT;
    std::wstring pathAndQuery;  // "/" at least
    bool secure = true;
};

// An https:// address taken apart; nothing for any other scheme, so no
// request of the program ever goes out unencrypted.
std::optional<HttpTarget> CrackHttpsUrl(std::wstring_view url);
// The same, taking http:// too when `plainAllowed` (only tests, which
// stand a plain local listener in for a server).
std::optional<HttpTarget> CrackHttpUrl(std::wstring_view url, bool plainAllowed);

// The reply's status code; nothing when it cannot be read.
std::optional<DWORD> StatusCode(HINTERNET request);
// The reply's status is 2xx.
bool StatusIsSuccess(HINTERNET request);

// The whole reply body; nothing when a read fails or it grows past
// `maxBytes`.
std::optional<std::string> ReadWholeBody(HINTERNET request,
                                         std::size_t maxBytes = static_cast<std::size_t>(-1));

}  // namespace lg::win
