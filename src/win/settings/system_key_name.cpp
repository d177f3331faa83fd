#include "settings/system_key_name.h"

#include <windows.h>

#include "platform/u16.h"

namespace lg::win {

std::u16string SystemKeyName(std::uint8_t vk) {
    const UINT scan = MapVirtualKeyW(vk, MAPVK_VK_TO_VSC);
    if (scan == 0) return {};
    // The name function takes the scan code where a key message's data
    // carries it: bits 16 to 23.
    wchar_t name[256]{};
    const int n = GetKeyNameTextW(static_cast<LONG>(scan << 16), name, 256);
    if (n <= 0) return {};
    return std::u16string(AsU16(std::wstring_view(name, static_cast<size_t>(n))));
}

}  // namespace lg::win
