#include "app/capture_hotkeys.h"

#include <array>

#include "settings/settings.h"

namespace lg {
namespace {

constexpr std::array<CaptureHotKey, 3> kHotKeys{{
    {thkAll, u"LG all", 2},
    {thkWin, u"LG win", 1},
    {thkArea, u"LG area", 0},
}};

static_assert(kHotKeys[thkAll].type == thkAll && kHotKeys[thkWin].type == thkWin &&
              kHotKeys[thkArea].type == thkArea);

}  // namespace

std::span<const CaptureHotKey> CaptureHotKeys() {
    return kHotKeys;
}

const CaptureHotKey& CaptureHotKeyOf(TTypeHotKey tp) {
    return kHotKeys.at(tp);
}

TShortCut HotKeySetting(const TLGSettings& s, TTypeHotKey tp) {
    switch (tp) {
        case thkAll:
            return s.hkAll;
        case thkWin:
            return s.hkWindow;
        case thkArea:
            return s.hkArea;
    }
    return 0;
}

SystemHotKey ToSystemHotKey(TShortCut hk) {
    SystemHotKey r;
    if (hk & kScShift) r.modifiers |= kHotKeyModShift;
    if (hk & kScCtrl) r.modifiers |= kHotKeyModControl;
    if (hk & kScAlt) r.modifiers |= kHotKeyModAlt;
    r.virtualKey = hk & 0xFFu;
    return r;
}

}  // namespace lg
