#include "output/system_hash.h"

#include <windows.h>

#include "output/upload/upload_names.h"
#include "platform/u16.h"

namespace lg::win {

std::string SystemHash() {
    wchar_t directory[2048] = {};
    const UINT length = GetWindowsDirectoryW(directory, 2048);
    const std::u16string root = SystemVolumeRoot(
        length < 2048 ? AsU16(std::wstring_view(directory, length)) : std::u16string_view());
    DWORD serial = 0;
    const std::wstring rootText(AsWide(root));
    if (!GetVolumeInformationW(rootText.c_str(), nullptr, 0, &serial, nullptr, nullptr, nullptr,
                               0)) {
        return SystemHashOfSerial(std::nullopt);
    }
    return SystemHashOfSerial(serial);
}

}  // namespace lg::win
