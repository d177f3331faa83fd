#include "output/folder_tree.h"

#include <windows.h>

#include <string>
#include <vector>

#include "output/long_path.h"

namespace lg::win {
namespace {

bool IsSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

bool IsFolder(const std::wstring& path) {
    const DWORD a = GetFileAttributesW(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

FileWriteResult CreateFolderTree(std::wstring_view folder) {
    std::wstring full = FileSystemPath(folder);
    if (full.empty()) return WriteFailed(ERROR_INVALID_NAME);
    while (full.size() > 1 && IsSeparator(full.back())) full.pop_back();
    if (IsFolder(full)) return WriteSucceeded();

    // The folder and its ancestors, deepest first, each ending in its
    // separator so that a drive's root reads as "C:\" rather than "C:".
    std::vector<std::wstring> chain = {full};
    for (size_t i = full.size(); i-- > 1;) {
        if (IsSeparator(full[i]) && !IsSeparator(full[i - 1]))
            chain.push_back(full.substr(0, i + 1));
    }
    // Walk up to the deepest one that exists, then create downwards.
    size_t missing = 0;
    while (missing < chain.size() && !IsFolder(chain[missing])) ++missing;
    while (missing-- > 0) {
        const std::wstring& path = chain[missing];
        if (CreateDirectoryW(path.c_str(), nullptr)) continue;
        const DWORD error = GetLastError();
        // Somebody else made it meanwhile: as good as made here.
        if (IsFolder(path)) continue;
        if (error == ERROR_ALREADY_EXISTS) {
            return WriteFailed(error, L"На месте папки находится файл.");
        }
        return WriteFailed(error);
    }
    return WriteSucceeded();
}

}  // namespace lg::win
