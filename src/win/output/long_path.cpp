#include "output/long_path.h"

#include <windows.h>

namespace lg::win {
namespace {

constexpr std::wstring_view kLongPrefix = L"\\\\?\\";
constexpr std::wstring_view kLongUncPrefix = L"\\\\?\\UNC\\";

// The longest plain path every file function takes: CreateDirectoryW leaves
// room for an 8.3 name (12 characters) below MAX_PATH, and the other
// functions accept at least that much.
constexpr size_t kPlainPathLimit = MAX_PATH - 12;

DWORD Attributes(std::wstring_view path) {
    const std::wstring full = FileSystemPath(path);
    if (full.empty()) return INVALID_FILE_ATTRIBUTES;
    return GetFileAttributesW(full.c_str());
}

}  // namespace

std::wstring FileSystemPath(std::wstring_view path) {
    if (path.empty()) return {};
    if (path.starts_with(kLongPrefix)) return std::wstring(path);
    const std::wstring in(path);
    std::wstring full(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n =
            GetFullPathNameW(in.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (n == 0) return {};
        if (n < full.size()) {
            full.resize(n);
            break;
        }
        full.resize(n);  // n counts the terminator when the buffer was too small
    }
    if (full.size() < kPlainPathLimit) return full;
    if (full.starts_with(L"\\\\")) return std::wstring(kLongUncPrefix) + full.substr(2);
    return std::wstring(kLongPrefix) + full;
}

bool PathExists(std::wstring_view path) {
    return Attributes(path) != INVALID_FILE_ATTRIBUTES;
}

bool FolderExists(std::wstring_view path) {
    const DWORD a = Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace lg::win
