// Every request passes here: the secret base path is checked and taken
// off, then the rest of the path picks the handler. Paths are only ever
// compared and split, never used to name a file.
#pragma once

#include <httplib.h>

#include <optional>
#include <string_view>

#include "http/server_context.h"

namespace lg::srv {

// The path inside the base path ("/SECRET/x" -> "/x", "/SECRET" -> "/"),
// or nothing when the path lies outside it.
[[nodiscard]] std::optional<std::string_view> StripBasePath(std::string_view path,
                                                            std::string_view basePath);

// Sets up the handlers of `server` over `ctx`.
void InstallRoutes(httplib::Server& server, ServerContext& ctx);

}  // namespace lg::srv
