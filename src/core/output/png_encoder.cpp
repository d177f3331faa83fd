#include "output/png_encoder.h"

#include <cstddef>
#include <limits>
#include <new>

#include "output/png_chunks_p.h"
#include "output/png_encoder_p.h"

namespace lg {
namespace png {

// Chosen on the screenshot corpus (bench/encoders_bench.cpp measures each
// lever against libpng's level 6 with adaptive filters).
IdatPlan DefaultPlan() {
    IdatPlan plan;
    plan.filter = FilterPolicy::kScreen;
    // UI and text: zlib's fast matcher (level 1), but made to index every
    // string it passes, also inside long matches (maxLazy 258 is its insert
    // limit). Flat UI is long runs, and without those entries the next
    // match lands far back, with costly distances: the desktop picture
    // comes out 1.8x larger. With them, level 1 is smaller than level 6 on
    // text and as small on UI, at about half its time.
    plan.screen = {1, Z_DEFAULT_STRATEGY, 4, 258, 16, 8};
    // Photo rows after prediction are noise around zero: string matches
    // there are rare and short, so run-length matching loses little to
    // level 6 and is several times faster.
    plan.photo = {1, Z_RLE};
    plan.photoBandPercent = 50;
    // Rows that copy the row above (blank areas, the gaps between lines of
    // text: three quarters of a desktop's rows) are all zeros after Up, and
    // run-length matching passes over them without hashing a byte. Closing a
    // block to switch costs a few bytes, so even two rows are worth it.
    plan.minCopyRun = 2;
    // Bands of 512 KiB: enough of them to keep two to eight threads busy on a
    // 1080p capture and to follow photo and text regions closely, few enough
    // that priming each with 32 KiB of history stays a small cost.
    plan.bandBytes = 512 * 1024;
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
