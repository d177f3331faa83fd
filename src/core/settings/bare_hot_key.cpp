#include "settings/bare_hot_key.h"

namespace lg {

bool KeyNeedsModifier(std::uint8_t vk) {
    if (vk >= '0' && vk <= '9') return true;
    if (vk >= 'A' && vk <= 'Z') return true;
    switch (vk) {
        case 0x08:  // Backspace
        case 0x09:  // Tab
        case 0x0D:  // Enter
        case 0x1B:  // Esc
        case 0x20:  // Space
            return true;
        default:
            break;
    }
    // The punctuation keys of the main block type characters like letters:
    // ; = , - . / ` and [ \ ] ' and the extra key of European keyboards.
    return (vk >= 0xBA && vk <= 0xC0) || (vk >= 0xDB && vk <= 0xDF) || vk == 0xE2;
}

bool IsBareHotKey(TShortCut hk) {
    if (hk & (kScShift | kScCtrl | kScAlt)) return false;
    return KeyNeedsModifier(static_cast<std::uint8_t>(hk & 0xFF));
}

}  // namespace lg
