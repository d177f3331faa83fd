// The keys the program's message loop takes away from the capture's
// windows: the text tool's navigation keys (End, Home, the arrows, Delete)
// and PrintScreen, which would otherwise reach the image view.
#pragma once

#include <cstdint>

#include "tools/text_edit_model.h"

namespace lg {

inline constexpr std::uint16_t kVkSnapshot = 44;  // PrintScreen

constexpr bool IsTextToolKey(std::uint16_t vk) {
    return (vk >= kVkEnd && vk <= kVkDown) || vk == kVkSnapshot || vk == kVkDelete;
}

}  // namespace lg
