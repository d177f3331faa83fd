// What the bytes of an uploaded picture really are: the format from the
// signature, the size from the header. Only the framing is read; the
// pixels are never decoded, so a hostile file costs no more than a scan.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace lg::srv {

enum class PictureFormat { Png, Jpeg };

struct PictureHeader {
    PictureFormat format = PictureFormat::Png;
    uint32_t width = 0;
    uint32_t height = 0;
};

// The format and size of a whole PNG (signature, IHDR first, IEND last) or
// JPEG (SOI, a frame header among well-formed segments, EOI last); nothing
// for anything else, including a truncated file.
[[nodiscard]] std::optional<PictureHeader> ReadPictureHeader(std::span<const uint8_t> bytes);

// The file extension of the public link and the type it is served with.
[[nodiscard]] std::string_view PictureExtension(PictureFormat format);
[[nodiscard]] std::string_view PictureContentType(PictureFormat format);

}  // namespace lg::srv
