#include "net/open_page.h"

#include <windows.h>
// After windows.h, whose types it takes.
#include <shellapi.h>

#include <string>

#include "net/server_address.h"

namespace lg::win {

void OpenPage(std::string_view path) {
    const std::wstring url = ServerPageAddress(path);
    ShellExecuteW(nullptr, L"open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace lg::win
