#include "info/info_services.h"

#include <windows.h>
// After windows.h, whose types it takes.
#include <oleauto.h>

#include <cmath>

#include "net/open_page.h"
#include "platform/win32_registry_store.h"

namespace lg::win {

InfoServices DefaultInfoServices() {
    return {.openPage = [](std::string_view path) { OpenPage(path); },
            .store = std::make_shared<Win32RegistryStore>(),
            .today = [] { return Today(); }};
}

double Today() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    now.wHour = now.wMinute = now.wSecond = now.wMilliseconds = 0;
    // The automation date is exactly the settings dates' day count.
    double date = 0;
    if (!SystemTimeToVariantTime(&now, &date)) return 0;
    return std::floor(date);
}

}  // namespace lg::win
