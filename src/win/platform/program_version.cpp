#include "platform/program_version.h"

#include <windows.h>
#include <winver.h>

#include <vector>

#include "platform/module_path.h"

namespace lg::win {

std::u16string FileVersionOf(const std::wstring& path, bool shortForm) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0) return {};
    std::vector<std::byte> data(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, data.data())) return {};
    VS_FIXEDFILEINFO* info = nullptr;
    UINT infoSize = 0;
    if (!VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &infoSize) || !info ||
        infoSize < sizeof(VS_FIXEDFILEINFO)) {
        return {};
    }
    const unsigned parts[4] = {HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS),
                               HIWORD(info->dwFileVersionLS), LOWORD(info->dwFileVersionLS)};
    std::u16string text;
    for (int i = 0; i < (shortForm ? 2 : 4); ++i) {
        if (i > 0) text += u'.';
        for (char c : std::to_string(parts[i])) text += static_cast<char16_t>(c);
    }
    return text;
}

std::u16string GetProgramVersion(bool shortForm) {
    return FileVersionOf(ExePath(), shortForm);
}

}  // namespace lg::win
