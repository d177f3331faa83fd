// Public picture ids and the per-picture delete secret.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lg::srv {

// 12 base62 characters: about 71 bits, beyond guessing.
inline constexpr size_t kPictureIdLength = 12;
// 128 bits, written as 32 lower-case hexadecimal digits.
inline constexpr size_t kDeleteSecretLength = 32;

// A fresh id; every character is equally likely.
[[nodiscard]] std::string NewPictureId();
[[nodiscard]] bool IsPictureId(std::string_view text);

[[nodiscard]] std::string NewDeleteSecret();
[[nodiscard]] bool IsDeleteSecret(std::string_view text);

}  // namespace lg::srv
