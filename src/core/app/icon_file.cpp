#include "app/icon_file.h"

#include "app/app_icon.h"

namespace lg {
namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// Mask rows are whole 32-bit words.
size_t MaskStride(int size) {
    return static_cast<size_t>((size + 31) / 32) * 4;
}

size_t ImageBytes(int size) {
    const auto n = static_cast<size_t>(size);
    return 40 + n * n * 4 + MaskStride(size) * n;
}

}  // namespace

std::vector<uint8_t> EncodeIcoFile(std::span<const IconImage> images) {
    if (images.empty() || images.size() > 0xFFFF) return {};
    for (const IconImage& im : images) {
        if (im.size < 1 || im.size > 256 ||
            im.pixels.size() != static_cast<size_t>(im.size) * static_cast<size_t>(im.size)) {
            return {};
        }
    }
    std::vector<uint8_t> out;
    Put16(out, 0);  // reserved
    Put16(out, 1);  // icon, not cursor
    Put16(out, static_cast<uint32_t>(images.size()));
    size_t offset = 6 + 16 * images.size();
    for (const IconImage& im : images) {
        // 256 is written as 0 in the one-byte fields.
        out.push_back(static_cast<uint8_t>(im.size & 0xFF));
        out.push_back(static_cast<uint8_t>(im.size & 0xFF));
        out.push_back(0);  // no palette
        out.push_back(0);
        Put16(out, 1);   // planes
        Put16(out, 32);  // bits per pixel
        Put32(out, static_cast<uint32_t>(ImageBytes(im.size)));
        Put32(out, static_cast<uint32_t>(offset));
        offset += ImageBytes(im.size);
    }
    for (const IconImage& im : images) {
        const int n = im.size;
        Put32(out, 40);
        Put32(out, static_cast<uint32_t>(n));
        Put32(out, static_cast<uint32_t>(n * 2));  // colour and mask stacked
        Put16(out, 1);
        Put16(out, 32);
        for (int i = 0; i < 6; ++i) Put32(out, 0);  // BI_RGB, sizes, resolutions, colours
        // Rows bottom-up; $AARRGGBB little-endian is the B, G, R, A a bitmap holds.
        for (int y = n - 1; y >= 0; --y) {
            for (int x = 0; x < n; ++x) Put32(out, im.pixels[static_cast<size_t>(y * n + x)]);
        }
        const size_t stride = MaskStride(n);
        for (int y = n - 1; y >= 0; --y) {
            std::vector<uint8_t> row(stride, 0);
            for (int x = 0; x < n; ++x) {
                if ((im.pixels[static_cast<size_t>(y * n + x)] >> 24) == 0) {
                    row[static_cast<size_t>(x / 8)] |= static_cast<uint8_t>(0x80 >> (x % 8));
                }
            }
            out.insert(out.end(), row.begin(), row.end());
        }
    }
    return out;
}

std::vector<uint8_t> AppIconFile(std::span<const int> sizes) {
    std::vector<IconImage> images;
    for (int size : sizes) images.push_back({size, DrawAppIcon(size)});
    return EncodeIcoFile(images);
}

}  // namespace lg
