#include "output/save_dialog_rules.h"

namespace lg {
namespace {

// Index of the first character of the last path component.
size_t LastComponentStart(std::u16string_view name) {
    const size_t slash = name.find_last_of(u"\\/");
    return slash == std::u16string_view::npos ? 0 : slash + 1;
}

// Index of the dot that starts the extension of the last component, or npos.
size_t ExtensionDot(std::u16string_view name) {
    const size_t dot = name.rfind(u'.');
    if (dot == std::u16string_view::npos || dot < LastComponentStart(name)) {
        return std::u16string_view::npos;
    }
    return dot;
}

}  // namespace

int FilterIndexOfFormat(int format) {
    return static_cast<int>(PictureFormatOf(format)) + 1;
}

PictureFormat FormatOfFilterIndex(int filterIndex) {
    return PictureFormatOf(filterIndex - 1);
}

std::u16string FinalSaveName(std::u16string_view chosen, int filterIndex) {
    std::u16string_view stem = chosen;
    const size_t dot = ExtensionDot(chosen);
    if (dot != std::u16string_view::npos) {
        const std::u16string_view typed = chosen.substr(dot);
        if (typed == u".png" || typed == u".jpg" || typed == u".bmp") stem = chosen.substr(0, dot);
    }
    std::u16string name(stem);
    name += ExtensionOf(FormatOfFilterIndex(filterIndex));
    return name;
}

std::u16string NameWithoutExtension(std::u16string_view name) {
    const size_t dot = ExtensionDot(name);
    if (dot == std::u16string_view::npos || name.size() - dot != 4) return std::u16string(name);
    std::u16string typed(name.substr(dot));
    for (char16_t& c : typed) {
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    }
    if (typed != u".png" && typed != u".jpg" && typed != u".bmp") return std::u16string(name);
    return std::u16string(name.substr(0, dot));
}

std::u16string FolderPart(std::u16string_view fullName) {
    return std::u16string(fullName.substr(0, LastComponentStart(fullName)));
}

std::u16string InitialDialogFolder(std::u16string_view lastPath, std::u16string_view path,
                                   const PathPredicate& folderExists) {
    if (!lastPath.empty() && folderExists(lastPath)) return std::u16string(lastPath);
    return std::u16string(path);
}

}  // namespace lg
