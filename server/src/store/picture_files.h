// Where the picture bytes live. The folder implementation is the one this
// program ships; a larger deployment could put an object store behind the
// same calls.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "picture/picture_header.h"

namespace lg::srv {

struct StoredFile {
    std::string id;
    PictureFormat format = PictureFormat::Png;
    uint64_t bytes = 0;
};

enum class PutResult { Stored, IdTaken, Failed };

class PictureFiles {
public:
    virtual ~PictureFiles() = default;

    // Stores the whole picture durably under `id`, or nothing. Never
    // replaces a picture already stored under that id.
    virtual PutResult Put(std::string_view id, PictureFormat format, std::string_view bytes) = 0;
    // The whole picture, or nothing when it is not stored.
    virtual std::optional<std::string> Read(std::string_view id, PictureFormat format) = 0;
    virtual bool Remove(std::string_view id, PictureFormat format) = 0;
    // Every complete picture stored.
    virtual std::vector<StoredFile> List() = 0;
    // Removes what an interrupted Put left behind; returns how many.
    virtual size_t RemoveLeftovers() = 0;
};

}  // namespace lg::srv
