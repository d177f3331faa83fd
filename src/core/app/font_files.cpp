#include "app/font_files.h"

namespace lg {

bool IsPrivateFontFileName(std::u16string_view fileName) {
    size_t dot = fileName.rfind(u'.');
    if (dot == std::u16string_view::npos) return false;
    std::u16string_view ext = fileName.substr(dot);
    if (ext.size() != 4) return false;
    char16_t lower[4];
    for (size_t i = 0; i < 4; ++i) {
        char16_t c = ext[i];
        lower[i] = (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c;
    }
    std::u16string_view l(lower, 4);
    return l == u".ttf" || l == u".otf";
}

}  // namespace lg
