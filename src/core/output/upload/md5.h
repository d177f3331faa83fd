// MD5 digests for the upload's names: the per-machine user hash and the
// file name the server sees. Not a security measure anywhere it is used,
// only the server's expected format.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace lg {

using Md5Digest = std::array<std::uint8_t, 16>;

Md5Digest Md5(std::span<const std::uint8_t> data) noexcept;

// The digest of `text`'s bytes as 32 lower-case hexadecimal digits.
std::string Md5Hex(std::string_view text);

}  // namespace lg
