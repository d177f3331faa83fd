#include "output/upload/upload_names.h"

#include "output/upload/md5.h"

namespace lg {
namespace {

std::u16string_view TrimSpaces(std::u16string_view s) {
    // Spaces and the control characters below them, as the system's own
    // trimming of a path does.
    while (!s.empty() && s.front() <= u' ') s.remove_prefix(1);
    while (!s.empty() && s.back() <= u' ') s.remove_suffix(1);
    return s;
}

}  // namespace

std::string UploadFileName(int random) {
    return "TMP_SCREEN_NAME" + Md5Hex(std::to_string(random));
}

std::string SystemHashOfSerial(std::optional<std::uint32_t> serial) {
    return Md5Hex(serial ? std::to_string(*serial) : std::string());
}

std::u16string SystemVolumeRoot(std::u16string_view windowsDirectory) {
    const std::u16string_view root = TrimSpaces(TrimSpaces(windowsDirectory).substr(0, 3));
    return root.empty() ? std::u16string(u"c:\\") : std::u16string(root);
}

}  // namespace lg
