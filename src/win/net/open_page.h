// Opening a page of the vendor's web server in the default browser.
#pragma once

#include <string_view>

namespace lg::win {

// Asks the shell to "open" the server's base address + `path`, shown
// normally; the result is not checked.
void OpenPage(std::string_view path);

}  // namespace lg::win
