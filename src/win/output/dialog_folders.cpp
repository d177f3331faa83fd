#include "output/dialog_folders.h"

#include "output/last_path.h"
#include "output/long_path.h"
#include "output/save_dialog_rules.h"
#include "platform/u16.h"
#include "platform/win32_registry_store.h"
#include "settings/settings.h"

namespace lg::win {

std::u16string SaveDialogInitialFolder() {
    return InitialDialogFolder(LastPath(), LGSettings().path, [](std::u16string_view folder) {
        return FolderExists(AsWide(folder));
    });
}

bool SaveLastPath(std::u16string_view folder) {
    Win32RegistryStore store;
    return lg::SaveLastPath(store, LastPath(), folder);
}

}  // namespace lg::win
