#include "settings/settings_store.h"

#include <cstdint>

#include "settings/autostart.h"

namespace lg {
namespace {

constexpr std::u16string_view kKey = kProgramKey;

void LoadBool(const RegistryStore& store, std::u16string_view name, bool& field) {
    if (auto v = store.ReadDword(kKey, name)) field = *v != 0;
}

void LoadShortCut(const RegistryStore& store, std::u16string_view name, TShortCut& field) {
    // Older or hand-made values may carry bits above the 16-bit combination.
    if (auto v = store.ReadDword(kKey, name)) field = static_cast<TShortCut>(*v & 0xFFFF);
}

void LoadPath(const RegistryStore& store, std::u16string_view defaultSavePath,
              std::u16string& path) {
    if (auto v = store.ReadString(kKey, u"path")) path = std::move(*v);
    if (path.empty()) {
        path = defaultSavePath;
        return;
    }
    // File names are appended straight to this folder.
    if (path.back() != u'\\') path += u'\\';
}

}  // namespace

void InitSettings(const RegistryStore& store, const SettingsHost& host, TLGSettings& settings,
                  std::u16string& lastPath) {
    settings = TLGSettings{};
    settings.path = host.defaultSavePath;
    settings.RunWinStart = IsAutostartRegistered(store, host.exeFileName);
    lastPath.clear();
    LoadSettingsFromRegistry(store, host.defaultSavePath, settings, lastPath);
}

void LoadSettingsFromRegistry(const RegistryStore& store, std::u16string_view defaultSavePath,
                              TLGSettings& s, std::u16string& lastPath) {
    if (!store.KeyExists(kKey) || !store.CanOpenKey(kKey, KeyAccess::Read)) return;

    if (auto v = store.ReadDword(kKey, u"pencolor")) s.pencolor = *v;
    if (auto v = store.ReadDword(kKey, u"wincolor")) s.wincolor = *v;
    LoadPath(store, defaultSavePath, s.path);
    LoadBool(store, u"showcursor", s.showcursor);
    LoadBool(store, u"playsound", s.playsound);
    LoadShortCut(store, u"hkAllScreen", s.hkAll);
    LoadShortCut(store, u"hkAreaScreen", s.hkArea);
    LoadShortCut(store, u"hkWindow", s.hkWindow);
    LoadBool(store, u"TwoMouse", s.TwoMouse);
    LoadBool(store, u"Server", s.Server);
    LoadBool(store, u"SaveLocal", s.SaveLocal);
    if (auto v = store.ReadDword(kKey, u"format")) s.format = static_cast<std::int32_t>(*v);
    s.FirstRun = !store.ValueExists(kKey, u"FirstRun");
    LoadBool(store, u"ShowRedact", s.ShowRedact);
    LoadBool(store, u"OpenURL", s.OpenURL);
    LoadShortCut(store, u"hkLastArea", s.hkLastArea);
    if (auto v = store.ReadString(kKey, u"lastpath")) lastPath = std::move(*v);
}

bool SaveSettingsToRegistry(RegistryStore& store, const TLGSettings& s,
                            std::u16string_view exeFileName, std::u16string_view exePath) {
    if (!store.KeyExists(kKey)) store.CreateKey(kKey);
    bool stored = store.CanOpenKey(kKey, KeyAccess::Write);
    if (stored) {
        // Every value is attempted even after a failure, so one bad value
        // does not cost the others.
        auto dword = [&](std::u16string_view name, std::uint32_t value) {
            stored = store.WriteDword(kKey, name, value) && stored;
        };
        dword(u"pencolor", s.pencolor);
        dword(u"wincolor", s.wincolor);
        stored = store.WriteString(kKey, u"path", s.path) && stored;
        dword(u"showcursor", s.showcursor);
        dword(u"playsound", s.playsound);
        dword(u"hkAllScreen", s.hkAll);
        dword(u"hkAreaScreen", s.hkArea);
        dword(u"hkWindow", s.hkWindow);
        dword(u"TwoMouse", s.TwoMouse);
        dword(u"Server", s.Server);
        dword(u"SaveLocal", s.SaveLocal);
        dword(u"format", static_cast<std::uint32_t>(s.format));
        dword(u"ShowRedact", s.ShowRedact);
        dword(u"OpenURL", s.OpenURL);
        dword(u"hkLastArea", s.hkLastArea);
    }
    bool autostart = SetAutostart(store, s.RunWinStart, exeFileName, exePath);
    return stored && autostart;
}

}  // namespace lg
