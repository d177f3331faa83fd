// The keyboard layout's name of a key, for the keys the program does not
// name itself.
#pragma once

#include <cstdint>
#include <string>

namespace lg::win {

// The name of the key's scan code in the current layout ("Num *", "Scroll
// Lock"); empty when the key has no scan code. A KeyNameLookup.
std::u16string SystemKeyName(std::uint8_t vk);

}  // namespace lg::win
