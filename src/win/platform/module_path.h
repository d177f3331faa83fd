// Where the running executable lives.
#pragma once

#include <string>

namespace lg::win {

// The executable's full path (any length).
std::wstring ExePath();
// Its folder, with a trailing backslash.
std::wstring ExeFolder();
// Its file name without the folder.
std::wstring ExeFileName();

}  // namespace lg::win
