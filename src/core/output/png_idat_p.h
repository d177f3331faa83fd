// The image data of a PNG: filtered rows deflated into one zlib stream.
//
// The rows are cut into horizontal bands of about `bandBytes` filtered bytes.
// Each band is filtered and deflated on its own (so bands can run on several
// threads) as a raw deflate stream that ends on a byte boundary (a sync
// flush; the last band finishes the stream instead), and the bands are
// simply joined behind one zlib header. Each band's compressor is primed with
// the last 32 KiB of filtered data before it (recomputed by that band, since
// the filter choice of a row depends only on the row and the row above), so
// cutting costs almost nothing in size. Inside a band, long runs of rows
// that copy the row above are deflated run-length and the rest with the
// band's settings (photo or screen, by its share of photo rows). The
// Adler-32 checks of the bands are joined with adler32_combine. Band layout depends on the picture
// and `bandBytes` only, never on the thread count, so the output is the same bytes whether one
// thread or many did the work.
#pragma once

#include <cstddef>
#include <cstdint>

#include <zlib.h>

#include "output/encode_status.h"
#include "output/image_view.h"
#include "output/png_chunks_p.h"
#include "output/png_deflater_p.h"
#include "output/png_filter_p.h"

namespace lg::png {

// The levers of the PNG encoder, exposed so the benchmark can measure each.
struct IdatPlan {
    FilterPolicy filter = FilterPolicy::kScreen;
    DeflateSettings screen{6, Z_DEFAULT_STRATEGY};  // bands of UI and text
    DeflateSettings photo{6, Z_DEFAULT_STRATEGY};   // bands mostly of photo-like rows
    // A band is deflated with `photo` when at least this percentage of its
    // rows are photo-like (always `screen` unless the policy is kScreen).
    int photoBandPercent = 50;
    // Runs of at least this many rows that copy the row above are deflated
    // run-length (0: never), whatever the band's settings.
    int minCopyRun = 0;
    size_t bandBytes = 512 * 1024;
    int threads = 1;  // 0: one per hardware thread
};

// Appends the zlib stream of `image` (valid and encodable) to `idat`.
EncodeStatus WriteImageData(const ImageView32& image, const IdatPlan& plan, IdatWriter& idat);

}  // namespace lg::png
