#include "settings/autostart.h"

namespace lg {
namespace {
constexpr std::u16string_view kFallbackName = u"Lumigrab";
}

std::u16string AutostartValueName(std::u16string_view exeFileName) {
    size_t dot = exeFileName.find(u".exe");
    if (dot == std::u16string_view::npos || dot == 0) return std::u16string(kFallbackName);
    return std::u16string(exeFileName.substr(0, dot));
}

std::u16string AutostartCommand(std::u16string_view exePath) {
    std::u16string command;
    command.reserve(exePath.size() + 2);
    command += u'"';
    command += exePath;
    command += u'"';
    return command;
}

bool IsAutostartRegistered(const RegistryStore& store, std::u16string_view exeFileName) {
    return store.ValueExists(kAutostartKey, AutostartValueName(exeFileName));
}

bool SetAutostart(RegistryStore& store, bool enable, std::u16string_view exeFileName,
                  std::u16string_view exePath) {
    std::u16string name = AutostartValueName(exeFileName);
    if (!enable) return store.DeleteValue(kAutostartKey, name);
    // A fresh profile may have no Run key yet; without it the entry could
    // never be written although the user asked for it.
    if (!store.KeyExists(kAutostartKey) && !store.CreateKey(kAutostartKey)) return false;
    return store.WriteString(kAutostartKey, name, AutostartCommand(exePath));
}

}  // namespace lg
