// What became of a file write, in the terms the user is told: the Win32
// error and a short Russian reason for the second line of the notification.
#pragma once

#include <windows.h>

#include <string>

#include "output/encode_status.h"

namespace lg::win {

struct FileWriteResult {
    DWORD error = ERROR_SUCCESS;
    std::wstring reason;  // empty on success

    bool ok() const { return error == ERROR_SUCCESS; }
    // The notification's two lines: what failed, then why.
    std::wstring Message() const;
};

FileWriteResult WriteSucceeded();
// The reason is the one the error has in SaveFailureReason.
FileWriteResult WriteFailed(DWORD error);
// A reason more precise than the error alone gives.
FileWriteResult WriteFailed(DWORD error, std::wstring reason);
// An encoder that could not produce the file.
FileWriteResult EncodeFailed(EncodeStatus status);

// A short sentence for the user; errors without one of their own name
// their code.
std::wstring SaveFailureReason(DWORD error);

}  // namespace lg::win
