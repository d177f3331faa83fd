// Which files of the private "Fonts\" folder are registered as fonts.
#pragma once

#include <string_view>

namespace lg {

// ".ttf" or ".otf", the extension compared in lower case; collections and
// anything else are left alone.
bool IsPrivateFontFileName(std::u16string_view fileName);

}  // namespace lg
