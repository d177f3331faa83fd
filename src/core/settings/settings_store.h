// Reading and writing the settings record under the program's key.
//
// Layout of "Software\Vey Software\Lumigrab" (integers and Booleans are
// REG_DWORD, a Boolean read as true for anything but 0; strings REG_SZ):
//   pencolor, wincolor, path, showcursor, playsound, hkAllScreen,
//   hkAreaScreen, hkWindow, TwoMouse, Server, SaveLocal, format,
//   ShowRedact, OpenURL, hkLastArea - the record, written by the settings window's save
//   FirstRun             - only its existence is read; nobody writes it
//   lastpath             - folder of the last dialog save (written by the output panel)
//   ServerURL            - optional image server address (set by an administrator)
//   UpdateDate, ShowOffer, SurveyCloseCount, SurveySeeSite - owned by the update
//                          and feedback code; the settings save never touches them
#pragma once

#include <string>
#include <string_view>

#include "settings/registry_store.h"
#include "settings/settings.h"

namespace lg {

// What the settings need to know about the machine and the running program.
struct SettingsHost {
    std::u16string defaultSavePath;  // DefaultSavePath of the pictures folder
    std::u16string exeFileName;      // without folder, e.g. "Lumigrab.exe"
    std::u16string exePath;          // full path of the executable
};

// Start-up: defaults, then the registry. Runs once before any window exists.
void InitSettings(const RegistryStore& store, const SettingsHost& host, TLGSettings& settings,
                  std::u16string& lastPath);

// Overwrites the fields whose values are present with the expected type;
// everything else keeps its value. Creates nothing.
void LoadSettingsFromRegistry(const RegistryStore& store, std::u16string_view defaultSavePath,
                              TLGSettings& settings, std::u16string& lastPath);

// Writes the stored fields (creating the key when missing), then applies
// RunWinStart to the autostart entry, also when the key could not be
// written. True when everything was stored.
bool SaveSettingsToRegistry(RegistryStore& store, const TLGSettings& settings,
                            std::u16string_view exeFileName, std::u16string_view exePath);

}  // namespace lg
