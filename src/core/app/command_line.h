// The one command-line form the program reacts to.
#pragma once

#include <span>
#include <string_view>

namespace lg {

// True for exactly one argument equal to "/install" (case-sensitive): the
// installer's first start, which shows the welcome window.
bool IsInstallRequest(std::span<const std::u16string_view> args);

}  // namespace lg
