// The fonts of the "Fonts\" folder beside the executable, registered for
// this process only.
#pragma once

#include <string>
#include <vector>

namespace lg::win {

// Lists the entries of one folder, names only (hidden and system entries
// included, "." and ".." skipped). Subfolders go to `folders` when it is
// given, otherwise to `files`; `files` stops growing at `maxFiles` names
// (-1: no limit). False when `folder` is not a directory. `folder` ends
// with a backslash.
bool ListFolder(const std::wstring& folder, std::vector<std::wstring>* folders,
                std::vector<std::wstring>* files, int maxFiles);

// Registers (remove false) or unregisters (remove true) every ".ttf" and
// ".otf" file directly inside `folder`; failures are skipped silently.
void LoadPrivateFonts(const std::wstring& folder, bool remove);

// The executable's own "Fonts\" folder: fonts are never taken from the
// current folder.
std::wstring PrivateFontsFolder();

}  // namespace lg::win
