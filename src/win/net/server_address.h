// Addresses on the vendor's web server as the program reaches them.
#pragma once

#include <string>
#include <string_view>

namespace lg::win {

// The base address (the build's, or the registry's "ServerURL") + path.
std::wstring ServerPageAddress(std::string_view path);

}  // namespace lg::win
