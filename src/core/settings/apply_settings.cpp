#include "settings/apply_settings.h"

#include "settings/bare_hot_key.h"

namespace lg {
namespace {

// The settings window's fields of `edited` over the rest of `current`.
TLGSettings WithWindowFields(const TLGSettings& current, const TLGSettings& edited) {
    TLGSettings s = current;
    s.RunWinStart = edited.RunWinStart;
    s.path = edited.path;
    s.showcursor = edited.showcursor;
    s.playsound = edited.playsound;
    s.hkAll = edited.hkAll;
    s.hkArea = edited.hkArea;
    s.hkWindow = edited.hkWindow;
    s.hkLastArea = edited.hkLastArea;
    s.TwoMouse = edited.TwoMouse;
    s.Server = edited.Server;
    s.SaveLocal = edited.SaveLocal;
    s.format = edited.format;
    s.OpenURL = edited.OpenURL;
    s.ShowRedact = edited.ShowRedact;
    return s;
}

}  // namespace

HotKeyOutcomes RegisterCaptureHotKeys(const TLGSettings& settings, HotKeyRegistrar& registrar) {
    HotKeyOutcomes outcomes{};
    for (std::size_t i = 0; i < kHotKeyRegistrationOrder.size(); ++i) {
        const CaptureKind kind = kHotKeyRegistrationOrder[i];
        const TShortCut hk = HotKeySetting(settings, kind);
        HotKeyOutcome& o = outcomes[i];
        o.kind = kind;
        o.asked = hk;
        if (IsBareHotKey(hk)) {
            // Released, so an older combination does not stay active either.
            registrar.Register(kind, 0);
            o.registered = false;
        } else {
            o.registered = registrar.Register(kind, hk);
        }
    }
    return outcomes;
}

std::vector<RefusedHotKey> RefusedHotKeys(const HotKeyOutcomes& outcomes,
                                          bool printScreenForSnipping) {
    std::vector<RefusedHotKey> refused;
    for (const HotKeyOutcome& o : outcomes) {
        if (o.registered || o.asked == 0) continue;
        refused.push_back({o.kind, o.asked, RefusalReason(o.asked, printScreenForSnipping)});
    }
    return refused;
}

SettingsApplied ApplySettings(const TLGSettings& current, const TLGSettings& edited,
                              HotKeyRegistrar& registrar, RegistryStore& store,
                              std::u16string_view exeFileName, std::u16string_view exePath) {
    SettingsApplied r;
    r.settings = WithWindowFields(current, edited);
    r.hotKeys = RegisterCaptureHotKeys(r.settings, registrar);
    for (const HotKeyOutcome& o : r.hotKeys) {
        // A refused combination is stored as 0: that kind has no hotkey
        // until the user sets one the system accepts.
        if (!o.registered) SetHotKeySetting(r.settings, o.kind, 0);
    }
    r.refused = RefusedHotKeys(r.hotKeys, PrintScreenKeyForSnipping(store));
    r.stored = SaveSettingsToRegistry(store, r.settings, exeFileName, exePath);
    return r;
}

}  // namespace lg
