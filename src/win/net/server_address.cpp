#include "net/server_address.h"

#include "app/endpoints.h"
#include "platform/u16.h"
#include "platform/win32_registry_store.h"
#include "settings/server_url.h"

namespace lg::win {

std::wstring ServerPageAddress(std::string_view path) {
    Win32RegistryStore store;
    std::u16string override = ReadServerUrlOverride(store);
    std::string overrideUtf8 = WideToUtf8(AsWide(override));
    return Utf8ToWide(ServerAddress(ServerBase(overrideUtf8), path));
}

}  // namespace lg::win
