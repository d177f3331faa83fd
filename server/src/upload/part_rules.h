// The rules for each text of the upload form, one function each.
#pragma once

#include <optional>
#include <string_view>

#include "picture/picture_header.h"

namespace lg::srv {

// 32 lower-case hexadecimal digits, as the client's user hash is written.
[[nodiscard]] bool IsUserHash(std::string_view text);

// ".PNG" or ".JPG", exactly.
[[nodiscard]] std::optional<PictureFormat> ParseFormatTag(std::string_view text);

// A plain file name: 1 to 128 characters of letters, digits, '_', '-' and
// '.', never "..". The name is never used to build a path; a client that
// sends a path is not ours.
[[nodiscard]] bool IsPlainFileName(std::string_view text);

}  // namespace lg::srv
