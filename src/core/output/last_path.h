// The folder of the last file saved through the dialog, kept in memory and
// as the string value "lastpath" under the program's key.
#pragma once

#include <string>
#include <string_view>

#include "settings/registry_store.h"

namespace lg {

// Remembers `folder` as the last dialog folder. The same folder as before
// changes nothing and writes nothing. Otherwise `lastPath` takes it at once
// and the value is written, creating the program's key when it is missing.
// False only when a new folder could not be stored.
bool SaveLastPath(RegistryStore& store, std::u16string& lastPath, std::u16string_view folder);

}  // namespace lg
