#include "settings/default_save_path.h"

#include "settings/settings.h"

namespace lg {

std::u16string DefaultSavePath(std::optional<std::u16string_view> picturesFolder) {
    if (!picturesFolder || picturesFolder->empty()) return {};
    std::u16string path(*picturesFolder);
    if (path.back() != u'\\') path += u'\\';
    path += kProgramDisplayName;
    path += u'\\';
    return path;
}

}  // namespace lg
