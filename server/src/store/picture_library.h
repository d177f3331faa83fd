// Adding, finding and deleting pictures over the two stores, in the order
// that keeps them consistent through a crash: a picture's file is complete
// on disk before its row exists, and its row goes before its file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "picture/picture_header.h"
#include "store/picture_files.h"
#include "store/picture_index.h"

namespace lg::srv {

struct NewPicture {
    std::string_view userHash;
    PictureHeader header;
    std::string_view bytes;
    std::string_view clientAddress;
    int64_t createdUnix = 0;
};

struct AddedPicture {
    PictureRecord record;
    std::string deleteSecret;  // shown once, in the upload reply
};

class PictureLibrary {
public:
    PictureLibrary(PictureFiles& files, PictureIndex& index) : files_(files), index_(index) {}

    // Stored durably when it returns a value.
    [[nodiscard]] std::optional<AddedPicture> Add(const NewPicture& picture);
    [[nodiscard]] std::optional<PictureRecord> Find(std::string_view id);
    [[nodiscard]] std::optional<std::string> ReadBytes(const PictureRecord& record);
    // Whether `secret` is the delete secret of `record`.
    [[nodiscard]] static bool SecretMatches(const PictureRecord& record, std::string_view secret);
    // True when the picture existed and is gone.
    bool Delete(const PictureRecord& record);

private:
    PictureFiles& files_;
    PictureIndex& index_;
};

}  // namespace lg::srv
