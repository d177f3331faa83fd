#include "settings/settings.h"

namespace lg {

TLGSettings& LGSettings() {
    static TLGSettings settings;
    return settings;
}

std::u16string& LastPath() {
    static std::u16string lastPath;
    return lastPath;
}

TTextFont& TextFont() {
    static TTextFont font;
    return font;
}

}  // namespace lg
