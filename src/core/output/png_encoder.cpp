#include "output/png_encoder.h"

#include <cstddef>
#include <limits>
#include <new>

#include "output/png_chunks_p.h"
#include "output/png_encoder_p.h"

namespace lg {
namespace png {

IdatPlan DefaultPlan() {
    IdatPlan plan;
    plan.filter = FilterPolicy::kScreen;
    plan.screen = {6, Z_DEFAULT_STRATEGY};
    plan.photo = {6, Z_DEFAULT_STRATEGY};
    return plan;
}

EncodeStatus EncodeWithPlan(const ImageView32& image, const IdatPlan& plan,
                            std::vector<uint8_t>& out) {
    if (!image.IsEncodable()) return EncodeStatus::kEmptyImage;
    // A filtered row and a band's 32 KiB of context must be addressable even
    // in a 32-bit process; PNG itself allows up to 2^31 - 1 a side.
    const uint64_t rowBytes = 1 + static_cast<uint64_t>(image.width) * kBytesPerPixel;
    if (rowBytes > std::numeric_limits<size_t>::max() / 8) return EncodeStatus::kTooLarge;

    const size_t originalSize = out.size();
    EncodeStatus status = EncodeStatus::kOk;
    try {
        out.insert(out.end(), std::begin(kSignature), std::end(kSignature));
        AppendRgbHeader(out, static_cast<uint32_t>(image.width),
                        static_cast<uint32_t>(image.height));
        IdatWriter idat(out);
        status = WriteImageData(image, plan, idat);
        if (status == EncodeStatus::kOk) AppendChunk(out, "IEND", {});
    } catch (const std::bad_alloc&) {
        status = EncodeStatus::kOutOfMemory;
    }
    if (status != EncodeStatus::kOk) out.resize(originalSize);
    return status;
}

}  // namespace png

EncodeStatus EncodePng(const ImageView32& image, std::vector<uint8_t>& out,
                       const PngOptions& options) {
    png::IdatPlan plan = png::DefaultPlan();
    plan.threads = options.threads;
    return png::EncodeWithPlan(image, plan, out);
}

}  // namespace lg
