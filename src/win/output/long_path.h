// Paths the file functions accept at any length.
#pragma once

#include <string>
#include <string_view>

namespace lg::win {

// `path` made absolute (relative parts resolved, '/' turned into '\'); once
// it is longer than plain paths may be, in the "\\?\" form ("\\?\UNC\" for
// a network share), which lifts the limit of MAX_PATH. A path already in
// that form is returned as it is. Empty when the path cannot be resolved.
std::wstring FileSystemPath(std::wstring_view path);

// Whether a file, or a folder, exists under that name.
bool PathExists(std::wstring_view path);
bool FolderExists(std::wstring_view path);

}  // namespace lg::win
