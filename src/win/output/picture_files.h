// Pictures written to disk: a file the user named, and the automatic copy.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "output/file_names.h"
#include "output/file_write_result.h"
#include "output/image_view.h"
#include "output/picture_format.h"

namespace lg::win {

// Encodes `picture` as `format` and writes it as `fullPath`, replacing a
// file of that name only once the new one is complete. The folder must
// exist.
FileWriteResult WritePictureFile(const ImageView32& picture, std::wstring_view fullPath,
                                 PictureFormat format);

struct SavedPicture {
    FileWriteResult result;
    std::wstring path;  // the file written; empty when none was
};

// Writes `picture` into `folder` (created with its parents when missing)
// under the dated name of `now` with the extension of the `format`
// setting. A taken name gets " (2)", " (3)" … before the extension: an
// earlier picture is never replaced.
SavedPicture SaveDatedCopy(const ImageView32& picture, std::u16string_view folder, int format,
                           const LocalDateTime& now);

// The automatic copy of a copied or uploaded picture: nothing unless the
// SaveLocal setting is on; then SaveDatedCopy into the `path` setting with
// the `format` setting, dated now.
std::optional<SavedPicture> SaveLocalCopy(const ImageView32& picture);

}  // namespace lg::win
