// The corpus pictures (../shared/corpus) decoded once per process into
// $AARRGGBB words, as a capture holds them.
#pragma once

#include <png.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace lg::bench {

struct CorpusFrame {
    std::vector<std::uint32_t> pixels;
    int width = 0;  // 0 when the picture could not be read
    int height = 0;
};

inline std::string CorpusPath(const std::string& name) {
    return std::string(LUMIGRAB_CORPUS_DIR) + "/" + name;
}

// The decoded picture at `path`, cached: every benchmark of one picture
// reads the same pixels.
inline const CorpusFrame& LoadCorpusFrame(const std::string& path) {
    static std::map<std::string, std::unique_ptr<CorpusFrame>> cache;
    auto& slot = cache[path];
    if (slot) return *slot;
    slot = std::make_unique<CorpusFrame>();
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&image, path.c_str())) {
        image.format = PNG_FORMAT_BGRA;  // bytes B, G, R, A: little-endian $AARRGGBB
        slot->pixels.resize(static_cast<std::size_t>(image.width) * image.height);
        if (png_image_finish_read(&image, nullptr, slot->pixels.data(), 0, nullptr)) {
            slot->width = static_cast<int>(image.width);
            slot->height = static_cast<int>(image.height);
        }
    }
    png_image_free(&image);
    return *slot;
}

}  // namespace lg::bench
