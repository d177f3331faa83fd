// The per-user autostart entry: a value under the Run key naming the
// executable, so the program starts when the user logs on.
#pragma once

#include <string>
#include <string_view>

#include "settings/registry_store.h"

namespace lg {

// The value name: the file name before its first ".exe" (case-sensitive).
// "Lumigrab" when there is no ".exe" or nothing before it, so the entry never
// gets an empty name (which would be the key's default value).
std::u16string AutostartValueName(std::u16string_view exeFileName);

// The command stored in the entry: the path in double quotes, because
// Windows splits an unquoted command at its first space and may start
// "C:\Program.exe" instead.
std::u16string AutostartCommand(std::u16string_view exePath);

// Whether the entry this executable would write exists. Any error gives false.
bool IsAutostartRegistered(const RegistryStore& store, std::u16string_view exeFileName);

// Writes (enable) or removes the entry. A Run key missing on enable is
// created; removing an entry that is not there succeeds. True on success.
bool SetAutostart(RegistryStore& store, bool enable, std::u16string_view exeFileName,
                  std::u16string_view exePath);

}  // namespace lg
