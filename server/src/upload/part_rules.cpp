#include "upload/part_rules.h"

namespace lg::srv {

bool IsUserHash(std::string_view text) {
    if (text.size() != 32) return false;
    for (char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
    }
    return true;
}

std::optional<PictureFormat> ParseFormatTag(std::string_view text) {
    if (text == ".PNG") return PictureFormat::Png;
    if (text == ".JPG") return PictureFormat::Jpeg;
    return std::nullopt;
}

bool IsPlainFileName(std::string_view text) {
    if (text.empty() || text.size() > 128) return false;
    if (text.find("..") != std::string_view::npos) return false;
    for (char c : text) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                        (c >= '0' && c <= '9') || c == '_' || c == '-' || c == '.';
        if (!ok) return false;
    }
    return true;
}

}  // namespace lg::srv
