#include "app/private_fonts.h"

#include <windows.h>

#include "app/font_files.h"
#include "platform/handles.h"
#include "platform/module_path.h"
#include "platform/u16.h"

namespace lg::win {

bool ListFolder(const std::wstring& folder, std::vector<std::wstring>* folders,
                std::vector<std::wstring>* files, int maxFiles) {
    DWORD attr = GetFileAttributesW(folder.c_str());
    if (attr == INVALID_FILE_ATTRIBUTES || !(attr & FILE_ATTRIBUTE_DIRECTORY)) return false;
    WIN32_FIND_DATAW fd{};
    UniqueFindHandle find(FindFirstFileW((folder + L"*").c_str(), &fd));
    if (!find) return true;
    do {
        std::wstring name = fd.cFileName;
        if (name == L"." || name == L"..") continue;
        DWORD a = GetFileAttributesW((folder + name).c_str());
        bool isDir = a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
        if (isDir && folders) {
            folders->push_back(std::move(name));
        } else if (files && (maxFiles == -1 || static_cast<int>(files->size()) < maxFiles)) {
            files->push_back(std::move(name));
        }
    } while (FindNextFileW(find.get(), &fd));
    return true;
}

void LoadPrivateFonts(const std::wstring& folder, bool remove) {
    try {
        std::vector<std::wstring> folders, files;
        ListFolder(folder, &folders, &files, -1);
        for (const std::wstring& name : files) {
            if (!IsPrivateFontFileName(AsU16(name))) continue;
            std::wstring path = folder + name;
            if (remove) {
                RemoveFontResourceExW(path.c_str(), FR_PRIVATE, nullptr);
            } else {
                AddFontResourceExW(path.c_str(), FR_PRIVATE, nullptr);
            }
        }
    } catch (...) {
        // Fonts are a nicety: without them the system substitutes faces.
    }
}

std::wstring PrivateFontsFolder() {
    return ExeFolder() + L"Fonts\\";
}

}  // namespace lg::win
