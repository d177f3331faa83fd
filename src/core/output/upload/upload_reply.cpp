#include "output/upload/upload_reply.h"

#include <nlohmann/json.hpp>
#include <sstream>
#include <utility>

namespace lg {
namespace {

using nlohmann::json;

// A member as text: a string as its value, a number or a boolean by its
// JSON text, missing or null as empty; an array or object as its JSON text
// when `structured` allows it, otherwise as empty.
std::string MemberText(const json& reply, const char* name, bool structured) {
    if (!reply.is_object()) return {};
    const auto member = reply.find(name);
    if (member == reply.end() || member->is_null()) return {};
    if (member->is_string()) return member->get<std::string>();
    if (member->is_structured() && !structured) return {};
    return member->dump();
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) noexcept {
    if (s.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char c = s[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i]) return false;
    }
    return true;
}

}  // namespace

std::optional<UploadedPicture> ReadUploadReply(std::string_view reply) {
    if (reply.empty()) return std::nullopt;
    json value;
    try {
        // The stream form reads the first complete value and leaves the
        // rest of the text alone.
        std::istringstream in{std::string(reply)};
        in >> value;
    } catch (const json::exception&) {
        return std::nullopt;
    }
    // An error of any shape is an error; a link must be a single value.
    if (!MemberText(value, "error", true).empty()) return std::nullopt;
    std::string link = MemberText(value, "screen_link", false);
    if (link.empty()) return std::nullopt;
    return UploadedPicture{.link = std::move(link),
                           .deleteLink = MemberText(value, "delete_link", false)};
}

bool IsWebLink(std::string_view link) noexcept {
    return StartsWithNoCase(link, "https://") || StartsWithNoCase(link, "http://");
}

}  // namespace lg
