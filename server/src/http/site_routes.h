// The addresses the program opens or reads besides the upload: the update
// list, the installer and the pages.
#pragma once

#include <httplib.h>

#include <string_view>

#include "http/server_options.h"

namespace lg::srv {

// Answers GET `path` when it is one of these addresses; false otherwise.
bool HandleSiteRoute(const ServerOptions& options, std::string_view path, httplib::Response& res);

}  // namespace lg::srv
