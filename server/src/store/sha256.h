// SHA-256 through OpenSSL's EVP interface, written as lower-case hex.
#pragma once

#include <string>
#include <string_view>

namespace lg::srv {

[[nodiscard]] std::string Sha256Hex(std::string_view data);

// Compares two texts of equal length in time that does not depend on where
// they differ (for secrets).
[[nodiscard]] bool SameSecret(std::string_view a, std::string_view b);

}  // namespace lg::srv
