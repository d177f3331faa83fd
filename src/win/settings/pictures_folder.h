// The user's Pictures folder, as the shell names it.
#pragma once

#include <optional>
#include <string>

namespace lg::win {

// Its current path, or nothing when the shell cannot name it.
std::optional<std::u16string> PicturesFolder();

}  // namespace lg::win
