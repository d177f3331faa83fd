// The server's command line:
//   lumigrab-server --data DIR --listen HOST:PORT --public-url URL
//                   (--cert PEM --key PEM | --http) [--latest-version X.Y]
//                   [--base-path /SECRET] [--installer-url URL]
//                   [--max-upload-mb N] [--hash-rate N] [--address-rate N]
//                   [--trust-forwarded-for] [--threads N] [--quiet]
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "http/server_options.h"

namespace lg::srv {

// The options, or the text of what is wrong with the command line.
[[nodiscard]] std::variant<ServerOptions, std::string> ParseServerCommandLine(
    std::span<const std::string_view> args);

[[nodiscard]] std::string_view ServerUsage();

// A secret base path: '/' then 1 to 64 letters, digits, '-' or '_'.
[[nodiscard]] bool IsBasePath(std::string_view text);

}  // namespace lg::srv
