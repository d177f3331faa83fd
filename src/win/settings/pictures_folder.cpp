#include "settings/pictures_folder.h"

#include <windows.h>

#include <shlobj.h>

#include <algorithm>
#include <iterator>

#include "platform/u16.h"

namespace lg::win {

std::optional<std::u16string> PicturesFolder() {
    wchar_t buf[MAX_PATH] = {};
    // S_FALSE also counts as failure: the folder is known but missing, and
    // the buffer then holds nothing usable.
    if (SHGetFolderPathW(nullptr, CSIDL_MYPICTURES, nullptr, SHGFP_TYPE_CURRENT, buf) != S_OK) {
        return std::nullopt;
    }
    const wchar_t* end = std::find(std::begin(buf), std::end(buf), L'\0');
    if (end == std::begin(buf)) return std::nullopt;
    return std::u16string(AsU16(std::wstring_view(buf, static_cast<size_t>(end - buf))));
}

}  // namespace lg::win
