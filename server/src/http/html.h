// The one frame every page of the server shares, and escaping for text put
// into it.
#pragma once

#include <string>
#include <string_view>

namespace lg::srv {

[[nodiscard]] std::string EscapeHtml(std::string_view text);

// A whole UTF-8 page: `title` is text, `bodyHtml` is markup.
[[nodiscard]] std::string HtmlPage(std::string_view title, std::string_view bodyHtml);

}  // namespace lg::srv
