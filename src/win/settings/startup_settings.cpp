#include "settings/startup_settings.h"

#include "platform/module_path.h"
#include "platform/u16.h"
#include "platform/win32_registry_store.h"
#include "settings/pictures_folder.h"
#include "settings/settings.h"

namespace lg::win {

SettingsHost CurrentSettingsHost() {
    return SettingsHost{DefaultSavePath(), std::u16string(AsU16(ExeFileName())),
                        std::u16string(AsU16(ExePath()))};
}

void LoadAllSettingsAtStartup() {
    Win32RegistryStore store;
    InitSettings(store, CurrentSettingsHost(), LGSettings(), LastPath());
}

bool SaveSettingsToRegistry() {
    Win32RegistryStore store;
    return SaveSettingsToRegistry(store, LGSettings(), AsU16(ExeFileName()), AsU16(ExePath()));
}

std::u16string DefaultSavePath() {
    std::optional<std::u16string> pictures = PicturesFolder();
    return DefaultSavePath(pictures ? std::optional<std::u16string_view>(*pictures) : std::nullopt);
}

bool IsAutostartRegistered() {
    Win32RegistryStore store;
    return IsAutostartRegistered(store, AsU16(ExeFileName()));
}

double ReadSettingsDate(std::u16string_view name) {
    Win32RegistryStore store;
    return ReadSettingsDate(store, name);
}

bool WriteSettingsDate(std::u16string_view name, double value) {
    Win32RegistryStore store;
    return WriteSettingsDate(store, name, value);
}

}  // namespace lg::win
