// libFuzzer target over the upload's own checks: the picture header reader
// on raw bytes, and the form collector driven by a sequence of parts and
// chunks decoded from the input. Whatever the input, nothing may crash, and
// an upload that passes must be what the checks promise.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "picture/picture_header.h"
#include "upload/part_rules.h"
#include "upload/upload_form.h"

namespace {

using namespace lg::srv;

class Input {
public:
    Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool empty() const { return pos_ >= size_; }
    uint8_t Byte() { return empty() ? 0 : data_[pos_++]; }
    std::string_view Bytes(size_t n) {
        n = std::min(n, size_ - pos_);
        std::string_view out(reinterpret_cast<const char*>(data_ + pos_), n);
        pos_ += n;
        return out;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

constexpr std::string_view kNames[] = {"user_hash", "format", "filescreen", "comment", ""};

void Check(bool holds) {
    if (!holds) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    (void)ReadPictureHeader(std::span(data, size));

    Input in(data, size);
    // A small cap, so the fuzzer reaches the size refusals too.
    UploadForm form(4096);
    bool reading = true;
    while (reading && !in.empty()) {
        switch (in.Byte() % 3) {
            case 0: {
                const std::string_view name = kNames[in.Byte() % std::size(kNames)];
                reading = form.BeginPart(name, in.Bytes(in.Byte() % 40));
                break;
            }
            case 1:
                reading = form.AddData(in.Bytes(size_t{in.Byte()} * 8 + in.Byte()));
                break;
            default:
                if (const auto hash = form.CompletedUserHash()) Check(IsUserHash(*hash));
                break;
        }
    }
    if (form.Finish(reading) != UploadFault::None) return 0;
    const CheckedUpload upload = form.Take();
    Check(IsUserHash(upload.userHash));
    Check(upload.bytes.size() <= 4096);
    const auto header = ReadPictureHeader(
        std::span(reinterpret_cast<const uint8_t*>(upload.bytes.data()), upload.bytes.size()));
    Check(header.has_value() && header->format == upload.header.format &&
          header->width == upload.header.width && header->height == upload.header.height);
    return 0;
}
