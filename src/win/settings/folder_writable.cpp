#include "settings/folder_writable.h"

#include <windows.h>

#include <random>

#include "output/long_path.h"
#include "platform/handles.h"

namespace lg::win {
namespace {

// Each half of the probe name is a number below this plus this: always
// seven digits.
constexpr int kProbeBase = 1000000;

}  // namespace

std::wstring WritabilityProbePath(std::wstring_view folder, int r1, int r2) {
    std::wstring path(folder);
    if (path.empty() || (path.back() != L'\\' && path.back() != L'/')) path += L'\\';
    path += std::to_wstring(kProbeBase + r1);
    path += std::to_wstring(kProbeBase + r2);
    return path;
}

bool FolderIsWritable(std::wstring_view folder) {
    if (folder.empty()) return false;
    // Seeded anew on every call, so two programs testing the same folder
    // at once do not try the same name.
    std::random_device seed;
    std::mt19937 random(seed());
    std::uniform_int_distribution<int> below(0, kProbeBase - 1);
    const int r1 = below(random);
    const int r2 = below(random);
    const std::wstring probe = FileSystemPath(WritabilityProbePath(folder, r1, r2));
    if (probe.empty()) return false;

    // Exclusive: a file of that name already there is never touched.
    {
        const HANDLE h = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) return false;
        const UniqueKernelHandle file(h);  // closed at the brace, before the delete
    }
    DeleteFileW(probe.c_str());
    return true;
}

}  // namespace lg::win
