// Every address the program reaches on the vendor's web server, in one place.
#pragma once

#include <string>
#include <string_view>

namespace lg {

// Paths below the server's base address; the scheme is HTTPS.
namespace endpoint {
inline constexpr std::string_view kUpdates = "/updates.txt";
inline constexpr std::string_view kImageGate = "/i/index.php?r=user/imggate";
inline constexpr std::string_view kDownload = "/download.php";
inline constexpr std::string_view kSupport = "/support.php";
inline constexpr std::string_view kSurvey = "/survey200.php";
inline constexpr std::string_view kWelcome = "/welcome.php";
inline constexpr std::string_view kTakeScreenshot = "/take-screenshot.php";
inline constexpr std::string_view kVersionPro = "/versiya-pro.php";
inline constexpr std::string_view kHome = "/";
}  // namespace endpoint

// The built-in base address, without a trailing slash.
std::string DefaultServerBase();

// The base address to use: `overrideUrl` (the registry's "ServerURL") when it
// is a usable https:// address, otherwise the built-in one. A
// trailing slash is dropped so that base + path never doubles it.
std::string ServerBase(std::string_view overrideUrl);

// base + path.
std::string ServerAddress(std::string_view base, std::string_view path);

}  // namespace lg
