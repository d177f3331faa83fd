// One stored picture as the index knows it.
#pragma once

#include <cstdint>
#include <string>

#include "picture/picture_header.h"

namespace lg::srv {

struct PictureRecord {
    std::string id;
    std::string userHash;
    PictureFormat format = PictureFormat::Png;
    uint64_t bytes = 0;
    uint32_t width = 0;
    uint32_t height = 0;
    std::string sha256;       // of the file's bytes, hex
    int64_t createdUnix = 0;  // seconds since 1970, UTC
    std::string clientAddress;
    // SHA-256 of the delete secret: the index alone never lets anyone
    // delete a picture.
    std::string deleteDigest;
};

}  // namespace lg::srv
