// The settings routines on the real registry (HKEY_CURRENT_USER), the
// global record and the running executable, for the windows to call.
#pragma once

#include <string>
#include <string_view>

#include "settings/autostart.h"
#include "settings/default_save_path.h"
#include "settings/settings_date.h"
#include "settings/settings_store.h"

namespace lg::win {

// The core forms, which take a store, stay callable beside these.
using lg::DefaultSavePath;
using lg::IsAutostartRegistered;
using lg::ReadSettingsDate;
using lg::SaveSettingsToRegistry;
using lg::WriteSettingsDate;

// The machine and the running executable, as the settings logic needs them.
SettingsHost CurrentSettingsHost();

// Module start-up: defaults, then the registry, into LGSettings() and
// LastPath(). Before any window exists.
void LoadAllSettingsAtStartup();

// LGSettings() into the registry and its RunWinStart into the autostart
// entry of this executable. True when everything was stored.
bool SaveSettingsToRegistry();

// The Pictures folder followed by the program's folder; empty when unknown.
std::u16string DefaultSavePath();

// Whether this executable's autostart entry exists.
bool IsAutostartRegistered();

double ReadSettingsDate(std::u16string_view name);
bool WriteSettingsDate(std::u16string_view name, double value);

}  // namespace lg::win
