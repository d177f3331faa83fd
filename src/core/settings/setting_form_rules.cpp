#include "settings/setting_form_rules.h"

#include <array>

#include "settings/default_save_path.h"

namespace lg {

TShortCut HotKeyEditorValues::Of(HotKeyEditorId id) const {
    switch (id) {
        case HotKeyEditorId::hkAllScreen:
            return hkAllScreen;
        case HotKeyEditorId::hkAreaScreen:
            return hkAreaScreen;
        case HotKeyEditorId::hkWinScreen:
            return hkWinScreen;
        case HotKeyEditorId::hkLastArea:
            return hkLastArea;
    }
    return 0;
}

std::optional<HotKeyEditorId> HotKeyClash(HotKeyEditorId changed,
                                          const HotKeyEditorValues& values) {
    using enum HotKeyEditorId;
    std::array<HotKeyEditorId, 3> order{};
    switch (changed) {
        case hkAllScreen:
            order = {hkWinScreen, hkAreaScreen, hkLastArea};
            break;
        case hkAreaScreen:
            order = {hkWinScreen, hkAllScreen, hkLastArea};
            break;
        case hkWinScreen:
            order = {hkAreaScreen, hkAllScreen, hkLastArea};
            break;
        case hkLastArea:
            order = {hkWinScreen, hkAreaScreen, hkAllScreen};
            break;
    }
    const TShortCut mine = values.Of(changed);
    // Two empty editors do not clash: clearing one again would change nothing.
    if (mine == 0) return std::nullopt;
    for (HotKeyEditorId other : order) {
        if (values.Of(other) == mine) return other;
    }
    return std::nullopt;
}

SaveTargetButtons ClickSaveTarget(SaveTargetButtons now, SaveTargetRadio clicked) {
    const bool clickedDown = clicked == SaveTargetRadio::btServer ? now.btServer : now.btClip;
    if (clickedDown) return now;
    now.btServer = !now.btServer;
    now.btClip = !now.btClip;
    now.btOpenURL = now.btServer;
    return now;
}

SettingFormDefaults DefaultSettings(std::optional<std::u16string_view> picturesFolder) {
    SettingFormDefaults d;
    d.edPath2 = DefaultSavePath(picturesFolder);
    return d;
}

}  // namespace lg
