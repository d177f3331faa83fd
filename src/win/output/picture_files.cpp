#include "output/picture_files.h"

#include <cstdint>
#include <vector>

#include "output/folder_tree.h"
#include "output/local_clock.h"
#include "output/long_path.h"
#include "output/safe_file_write.h"
#include "platform/u16.h"
#include "settings/settings.h"

namespace lg::win {
namespace {

// A name found free can be taken by another program before the file lands
// there; then the search runs again, a few times at most.
constexpr int kNameRaces = 3;

}  // namespace

FileWriteResult WritePictureFile(const ImageView32& picture, std::wstring_view fullPath,
                                 PictureFormat format) {
    std::vector<uint8_t> bytes;
    const EncodeStatus status = EncodePicture(picture, format, bytes);
    if (status != EncodeStatus::kOk) return EncodeFailed(status);
    return WriteFileSafely(fullPath, bytes, ExistingFile::kReplace);
}

SavedPicture SaveDatedCopy(const ImageView32& picture, std::u16string_view folder, int format,
                           const LocalDateTime& now) {
    // An empty folder would put the picture wherever the current folder
    // happens to be.
    if (folder.empty()) {
        return {WriteFailed(ERROR_PATH_NOT_FOUND, L"Папка для сохранения не задана."), {}};
    }
    if (FileWriteResult made = CreateFolderTree(AsWide(folder)); !made.ok()) return {made, {}};

    const PictureFormat type = PictureFormatOf(format);
    std::vector<uint8_t> bytes;
    if (const EncodeStatus status = EncodePicture(picture, type, bytes);
        status != EncodeStatus::kOk) {
        return {EncodeFailed(status), {}};
    }

    const std::u16string base = ScreenshotBaseName(now);
    const PathPredicate exists = [](std::u16string_view name) { return PathExists(AsWide(name)); };
    FileWriteResult result = WriteFailed(ERROR_FILE_EXISTS);
    for (int round = 0; round < kNameRaces; ++round) {
        const std::optional<std::u16string> name =
            FreePictureName(folder, base, ExtensionOf(type), exists);
        if (!name) {
            return {WriteFailed(ERROR_FILE_EXISTS, L"Все имена файла для этой секунды заняты."),
                    {}};
        }
        result = WriteFileSafely(AsWide(*name), bytes, ExistingFile::kKeep);
        if (result.ok()) return {result, ToWide(*name)};
        if (result.error != ERROR_FILE_EXISTS) break;
    }
    return {result, {}};
}

std::optional<SavedPicture> SaveLocalCopy(const ImageView32& picture) {
    const TLGSettings& settings = LGSettings();
    if (!settings.SaveLocal) return std::nullopt;
    return SaveDatedCopy(picture, settings.path, settings.format, LocalNow());
}

}  // namespace lg::win
