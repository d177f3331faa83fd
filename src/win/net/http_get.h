// One GET over WinHTTP, the platform's own stack: certificates verified
// against the system store, the user's proxy settings honoured, redirects
// followed, every wait bounded.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace lg::win {

// The body of a 2xx reply; nothing on any failure (no connection, a
// certificate the system does not trust, a time-out, any other status).
// `timeoutMs` bounds each step (resolve, connect, send, each read).
std::optional<std::string> HttpGet(std::wstring_view url, DWORD timeoutMs);

}  // namespace lg::win
