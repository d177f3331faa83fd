#include "app/endpoints.h"

#include "app/build_config.h"

namespace lg {
namespace {

std::string_view TrimTrailingSlashes(std::string_view s) {
    while (!s.empty() && s.back() == '/') s.remove_suffix(1);
    return s;
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
    if (s.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        char c = s[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i]) return false;
    }
    return true;
}

// A base address is "https://" and a non-empty host, with no spaces or controls.
bool IsUsableBase(std::string_view url) {
    // Pictures leave the machine through this address: HTTPS only.
    if (!StartsWithNoCase(url, "https://")) return false;
    std::string_view rest = url.substr(8);
    if (rest.empty() || rest.front() == '/') return false;
    for (char c : url) {
        if (static_cast<unsigned char>(c) <= ' ') return false;
    }
    return true;
}

}  // namespace

std::string DefaultServerBase() {
    return std::string(TrimTrailingSlashes(build::kServerUrl));
}

std::string ServerBase(std::string_view overrideUrl) {
    std::string_view trimmed = TrimTrailingSlashes(overrideUrl);
    if (IsUsableBase(trimmed)) return std::string(trimmed);
    return DefaultServerBase();
}

std::string ServerAddress(std::string_view base, std::string_view path) {
    std::string out(base);
    out += path;
    return out;
}

}  // namespace lg
