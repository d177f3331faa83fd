// Pictures as files: <root>/<first two id characters>/<id>.<png|jpg>. A
// picture is written to a temporary name in its folder, flushed to disk and
// then linked to its name, so a name always holds a whole picture.
#pragma once

#include <filesystem>

#include "store/picture_files.h"

namespace lg::srv {

class FolderPictureFiles final : public PictureFiles {
public:
    // Creates `root` when missing.
    explicit FolderPictureFiles(std::filesystem::path root);

    PutResult Put(std::string_view id, PictureFormat format, std::string_view bytes) override;
    std::optional<std::string> Read(std::string_view id, PictureFormat format) override;
    bool Remove(std::string_view id, PictureFormat format) override;
    std::vector<StoredFile> List() override;
    size_t RemoveLeftovers() override;

    // The file of a picture; `id` must be a well-formed picture id.
    [[nodiscard]] std::filesystem::path PathOf(std::string_view id, PictureFormat format) const;

private:
    std::filesystem::path root_;
};

}  // namespace lg::srv
