// The short pages the program opens in the browser. Each is built in and
// can be replaced by a file <data>/pages/<name>.html, read at every request
// so an edit shows without a restart.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace lg::srv {

// The page's name for a request path ("/support.php" -> "support", "/" ->
// "index"), or nothing when the path is no page.
[[nodiscard]] std::optional<std::string_view> SitePageName(std::string_view path);

// The page's HTML: the replacement file when there is one, else built in.
[[nodiscard]] std::string SitePage(std::string_view name, const std::filesystem::path& dataDir);

// The page for an address that does not exist.
[[nodiscard]] std::string NotFoundPage();

}  // namespace lg::srv
