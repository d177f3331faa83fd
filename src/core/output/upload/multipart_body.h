// The upload request's body: multipart form data with the user hash, the
// format tag and the picture file, in that order, as the image server
// reads them.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lg {

struct UploadForm {
    std::string_view userHash;           // 32 lower-case hex digits
    std::string_view format;             // ".PNG" or ".JPG"
    std::string_view fileName;           // UploadFileName
    std::span<const std::uint8_t> file;  // the picture file's bytes
};

// The value of the request's Content-Type header.
std::string MultipartContentType(std::string_view boundary);

// A boundary no picture is likely to contain: a fixed prefix and the
// 64 random bits in hex.
std::string MultipartBoundary(std::uint64_t random);

// The whole body: each part opened by "--" and the boundary on its own
// line, its headers, an empty line and its content; closed by "--",
// the boundary and "--". Lines end with CR LF.
std::vector<std::uint8_t> BuildMultipartBody(const UploadForm& form, std::string_view boundary);

}  // namespace lg
