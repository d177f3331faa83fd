// Writing a whole file so that a failure never leaves a truncated file and
// never destroys the one that was there before.
//
// The bytes go to a new temporary file in the target's folder (same volume,
// so the final step is a rename), are flushed to the disk, and only then
// take the target's name. Whatever fails, the temporary file is removed and
// an existing target keeps its old contents.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "output/file_write_result.h"

namespace lg::win {

enum class ExistingFile {
    kReplace,  // an existing file of that name is replaced
    kKeep,     // an existing file stays; the write fails with ERROR_FILE_EXISTS
};

// Writes `bytes` as the file `path` (any length, any script). The folder
// must exist.
FileWriteResult WriteFileSafely(std::wstring_view path, std::span<const uint8_t> bytes,
                                ExistingFile existing = ExistingFile::kReplace);

}  // namespace lg::win
