// Making sure a folder exists before anything is written into it.
#pragma once

#include <string_view>

#include "output/file_write_result.h"

namespace lg::win {

// Creates the folder together with every missing parent; any length, any
// script. Succeeds when the folder exists afterwards, including when it
// existed before.
FileWriteResult CreateFolderTree(std::wstring_view folder);

}  // namespace lg::win
