#include "settings/hot_key_text.h"

#include <array>

namespace lg {
namespace {

// The digits and letters as one string each, so a name is a view into it.
constexpr std::u16string_view kDigits = u"0123456789";
constexpr std::u16string_view kLetters = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// Space ($20) to Down ($28).
constexpr std::array<std::u16string_view, 9> kSpaceToDown = {
    u"Space", u"PgUp", u"PgDn", u"End", u"Home", u"Left", u"Up", u"Right", u"Down"};

// F1 ($70) to F24 ($87).
constexpr std::array<std::u16string_view, 24> kFunctionKeys = {
    u"F1",  u"F2",  u"F3",  u"F4",  u"F5",  u"F6",  u"F7",  u"F8",  u"F9",  u"F10", u"F11", u"F12",
    u"F13", u"F14", u"F15", u"F16", u"F17", u"F18", u"F19", u"F20", u"F21", u"F22", u"F23", u"F24"};

}  // namespace

std::u16string_view OwnKeyName(std::uint8_t vk) {
    switch (vk) {
        case 0x08:
            return u"BkSp";
        case 0x09:
            return u"Tab";
        case 0x0D:
            return u"Enter";
        case 0x1B:
            return u"Esc";
        case 0x2C:
            return u"Prt Scr";
        case 0x2D:
            return u"Ins";
        case 0x2E:
            return u"Del";
        case 0x5B:
            return u"Win";
        default:
            break;
    }
    if (vk >= 0x20 && vk <= 0x28) return kSpaceToDown[vk - 0x20];
    if (vk >= 0x30 && vk <= 0x39) return kDigits.substr(vk - 0x30, 1);
    if (vk >= 0x41 && vk <= 0x5A) return kLetters.substr(vk - 0x41, 1);
    if (vk >= 0x60 && vk <= 0x69) return kDigits.substr(vk - 0x60, 1);  // numeric keypad
    if (vk >= 0x70 && vk <= 0x87) return kFunctionKeys[vk - 0x70];
    return {};
}

std::u16string HotKeyToText(TShortCut sc, const KeyNameLookup& systemName) {
    const auto vk = static_cast<std::uint8_t>(sc & 0xFF);
    // Virtual key 0 is no key: there is nothing to ask the system about.
    if (vk == 0) return {};
    std::u16string name(OwnKeyName(vk));
    if (name.empty() && systemName) name = systemName(vk);
    if (name.empty()) return {};
    std::u16string text;
    if (sc & kScShift) text += u"Shift+";
    if (sc & kScCtrl) text += u"Ctrl+";
    if (sc & kScAlt) text += u"Alt+";
    return text + name;
}

}  // namespace lg
