// One GET over WinHTTP, the platform's own stack: certificates verified
// against the system store, the user's proxy settings honoured, redirects
// followed, every wait bounded.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace lg::win {

// How far a GET came: no reply (error set, status 0), a reply with its
// status (error 0, the body read when the status is 2xx), or a reply whose
// body could not be read whole (both set).
struct HttpGetResult {
    DWORD error = 0;   // the system's code of the step that failed
    DWORD status = 0;  // the reply's HTTP status
    std::string body;  // the whole body of a 2xx reply
};

// `timeoutMs` bounds each step (resolve, connect, send, each read); a body
// longer than `maxBody` is not read (ERROR_INVALID_DATA).
HttpGetResult HttpGet(std::wstring_view url, DWORD timeoutMs, std::size_t maxBody);

}  // namespace lg::win
