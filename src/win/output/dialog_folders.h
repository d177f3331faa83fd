// The save dialog's folders on the real registry and file system: where it
// opens, and remembering where the user saved.
#pragma once

#include <string>
#include <string_view>

namespace lg::win {

// LastPath() while that folder exists, otherwise the `path` setting.
std::u16string SaveDialogInitialFolder();

// Remembers the folder of a dialog save in LastPath() and, when it
// changed, as "lastpath" under the program's key in HKEY_CURRENT_USER.
// False only when a new folder could not be stored.
bool SaveLastPath(std::u16string_view folder);

}  // namespace lg::win
