#include "output/last_path.h"

namespace lg {

bool SaveLastPath(RegistryStore& store, std::u16string& lastPath, std::u16string_view folder) {
    if (folder == lastPath) return true;
    lastPath = folder;
    if (!store.KeyExists(kProgramKey)) store.CreateKey(kProgramKey);
    return store.WriteString(kProgramKey, u"lastpath", folder);
}

}  // namespace lg
