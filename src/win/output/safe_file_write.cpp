#include "output/safe_file_write.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <utility>

#include "output/long_path.h"
#include "platform/handles.h"

namespace lg::win {
namespace {

// WriteFile takes a 32-bit count; big pictures go in pieces.
constexpr size_t kWriteChunk = 16u << 20;
// Temporary names collide only with leftovers of this very process (the
// process id is part of the name), so a few tries always suffice.
constexpr int kTempNameTries = 16;

// A temporary file that is deleted when it goes out of scope, unless it
// was renamed into place.
class TempFile {
public:
    TempFile() = default;
    ~TempFile() {
        handle_.reset();
        if (!path_.empty()) DeleteFileW(path_.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    // Creates a new file with a name of its own in `folder` (which ends in
    // a separator). ERROR_SUCCESS or the error that stopped it.
    DWORD Create(const std::wstring& folder) {
        static std::atomic<unsigned> counter{GetTickCount()};
        DWORD error = ERROR_FILE_EXISTS;
        for (int i = 0; i < kTempNameTries && error == ERROR_FILE_EXISTS; ++i) {
            std::wstring path = folder + L"~lg" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                                std::to_wstring(counter.fetch_add(1)) + L".tmp";
            const HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                         FILE_ATTRIBUTE_NORMAL, nullptr);
            if (h != INVALID_HANDLE_VALUE) {
                handle_.reset(h);
                path_ = std::move(path);
                return ERROR_SUCCESS;
            }
            error = GetLastError();
            if (error == ERROR_ALREADY_EXISTS) error = ERROR_FILE_EXISTS;
        }
        return error;
    }

    // Writes everything, flushes it to the disk and closes the file.
    DWORD WriteAll(std::span<const uint8_t> bytes) {
        while (!bytes.empty()) {
            const DWORD chunk = static_cast<DWORD>(std::min(bytes.size(), kWriteChunk));
            DWORD written = 0;
            if (!WriteFile(handle_.get(), bytes.data(), chunk, &written, nullptr)) {
                return GetLastError();
            }
            if (written == 0) return ERROR_WRITE_FAULT;
            bytes = bytes.subspan(written);
        }
        if (!FlushFileBuffers(handle_.get())) return GetLastError();
        if (!CloseHandle(handle_.release())) return GetLastError();
        return ERROR_SUCCESS;
    }

    const std::wstring& path() const { return path_; }
    // The file now lives under another name; nothing left to clean up.
    void Committed() { path_.clear(); }

private:
    UniqueKernelHandle handle_;
    std::wstring path_;
};

// Moves the finished temporary file onto the target. ERROR_SUCCESS or the
// error to report.
DWORD PutInPlace(const std::wstring& temp, const std::wstring& target, bool targetExists,
                 ExistingFile existing) {
    if (existing == ExistingFile::kKeep) {
        if (MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) return ERROR_SUCCESS;
        const DWORD error = GetLastError();
        return error == ERROR_ALREADY_EXISTS ? ERROR_FILE_EXISTS : error;
    }
    if (targetExists) {
        // Both ways below have to open the old file for deletion. When
        // another program prevents that, say so before anything is moved:
        // some ReplaceFileW implementations find out only after they made
        // a stray temporary file of their own, and leave it behind.
        const HANDLE probe = CreateFileW(target.c_str(), DELETE,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                         nullptr, OPEN_EXISTING, 0, nullptr);
        if (probe == INVALID_HANDLE_VALUE) return GetLastError();
        CloseHandle(probe);
    }
    // ReplaceFileW keeps what belongs to the old file (its permissions,
    // creation time, and the place in the folder other programs watch).
    if (targetExists && ReplaceFileW(target.c_str(), temp.c_str(), nullptr,
                                     REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
        return ERROR_SUCCESS;
    }
    // It refuses some targets a plain rename over the file handles, for
    // instance one opened by another program without delete sharing.
    if (MoveFileExW(temp.c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return ERROR_SUCCESS;
    }
    return GetLastError();
}

}  // namespace

FileWriteResult WriteFileSafely(std::wstring_view path, std::span<const uint8_t> bytes,
                                ExistingFile existing) {
    const std::wstring target = FileSystemPath(path);
    const size_t slash = target.find_last_of(L"\\/");
    if (target.empty() || slash == std::wstring::npos || slash + 1 == target.size()) {
        return WriteFailed(ERROR_INVALID_NAME);
    }

    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool targetExists = attributes != INVALID_FILE_ATTRIBUTES;
    if (targetExists) {
        if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
            return WriteFailed(ERROR_ALREADY_EXISTS, L"С таким именем уже есть папка.");
        }
        if (existing == ExistingFile::kKeep) return WriteFailed(ERROR_FILE_EXISTS);
        // The user marked it read-only: not ours to overwrite.
        if (attributes & FILE_ATTRIBUTE_READONLY) {
            return WriteFailed(ERROR_ACCESS_DENIED, L"Файл защищён от записи.");
        }
    }

    TempFile temp;
    DWORD error = temp.Create(target.substr(0, slash + 1));
    if (error == ERROR_SUCCESS) error = temp.WriteAll(bytes);
    if (error == ERROR_SUCCESS) error = PutInPlace(temp.path(), target, targetExists, existing);
    if (error != ERROR_SUCCESS) return WriteFailed(error);
    temp.Committed();
    return WriteSucceeded();
}

}  // namespace lg::win
