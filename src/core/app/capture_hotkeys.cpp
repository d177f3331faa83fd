#include "app/capture_hotkeys.h"

#include <array>

namespace lg {
namespace {

constexpr std::array<CaptureHotKey, kHotKeyRegistrationOrder.size()> kHotKeys{{
    {thkAll, u"LG all"},
    {thkWin, u"LG win"},
    {thkArea, u"LG area"},
    {thkLastArea, u"LG last area"},
}};

constexpr bool InRegistrationOrder() {
    for (std::size_t i = 0; i < kHotKeys.size(); ++i) {
        if (kHotKeys[i].kind != kHotKeyRegistrationOrder[i]) return false;
    }
    return true;
}
static_assert(InRegistrationOrder());

}  // namespace

std::span<const CaptureHotKey> CaptureHotKeys() {
    return kHotKeys;
}

const CaptureHotKey& CaptureHotKeyOf(CaptureKind kind) {
    for (const CaptureHotKey& hk : kHotKeys) {
        if (hk.kind == kind) return hk;
    }
    return kHotKeys.front();  // every kind is in the table (above)
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
