// A private folder under the temporary folder for one test, removed with
// everything in it when the test ends (and before it starts, in case an
// earlier run was killed). Works at any path length.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "output/long_path.h"

namespace lg::win::test {

inline void RemoveTree(const std::wstring& path) {
    const std::wstring full = FileSystemPath(path);
    const DWORD a = GetFileAttributesW(full.c_str());
    if (a == INVALID_FILE_ATTRIBUTES) return;
    SetFileAttributesW(full.c_str(), a & ~FILE_ATTRIBUTE_READONLY);
    if (!(a & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileW(full.c_str());
        return;
    }
    WIN32_FIND_DATAW found;
    const HANDLE find = FindFirstFileW((full + L"\\*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name != L"." && name != L"..") RemoveTree(full + L"\\" + name);
        } while (FindNextFileW(find, &found));
        FindClose(find);
    }
    RemoveDirectoryW(full.c_str());
}

// The names in a folder, without "." and "..".
inline std::vector<std::wstring> FolderNames(std::wstring folder) {
    // A "\\?\" path is taken literally: no doubled separator before the "*".
    while (!folder.empty() && folder.back() == L'\\') folder.pop_back();
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    const HANDLE find = FindFirstFileW((FileSystemPath(folder) + L"\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(find, &found));
    FindClose(find);
    return names;
}

// The whole file, or nothing when it cannot be read.
inline std::vector<uint8_t> ReadWholeFile(const std::wstring& path) {
    const HANDLE h = CreateFileW(FileSystemPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                 nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return {};
    std::vector<uint8_t> bytes(GetFileSize(h, nullptr));
    DWORD read = 0;
    const bool ok = bytes.empty() ||
                    ReadFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(h);
    if (!ok || read != bytes.size()) return {};
    return bytes;
}

// Writes a file plainly, for planting the "old" file of a test.
inline bool PlantFile(const std::wstring& path, const std::vector<uint8_t>& bytes) {
    const HANDLE h = CreateFileW(FileSystemPath(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                 CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok =
        WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
        written == bytes.size();
    CloseHandle(h);
    return ok;
}

class ScratchFolder {
public:
    explicit ScratchFolder(const std::wstring& name) {
        wchar_t temp[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH + 1, temp);
        path_ = std::wstring(temp) + L"lumigrab-output-" + name;
        RemoveTree(path_);
        CreateDirectoryW(path_.c_str(), nullptr);
        path_ += L'\\';
    }
    ~ScratchFolder() { RemoveTree(path_.substr(0, path_.size() - 1)); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The folder, with a trailing backslash.
    const std::wstring& path() const { return path_; }
    std::wstring operator/(const std::wstring& name) const { return path_ + name; }

private:
    std::wstring path_;
};

}  // namespace lg::win::test
