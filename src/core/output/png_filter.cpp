#include "output/png_filter_p.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>

#include "output/image_view.h"
#include "simd/dispatch.h"

namespace lg::png {
namespace {

constexpr uint32_t kRgbMask = 0x00FFFFFFu;

// A row counts as repetitive when at least this share of its pixels repeats
// the left or upper neighbour. Text and UI rows sit far above it (background
// runs), photo rows far below (noise and gradients almost never repeat
// exactly); a row that is half photo, half page goes to the filters, which
// the photo half needs more than the page half loses.
constexpr int kRepeatNumerator = 1;
constexpr int kRepeatDenominator = 2;

int PaethPredictor(int a, int b, int c) {
    const int p = a + b - c;
    const int pa = std::abs(p - a);
    const int pb = std::abs(p - b);
    const int pc = std::abs(p - c);
    if (pa <= pb && pa <= pc) return a;
    if (pb <= pc) return b;
    return c;
}

// |residual| of a filtered byte read as a signed value.
uint32_t Magnitude(int residual) {
    const auto v = static_cast<uint8_t>(residual);
    return v < 128 ? v : 256u - v;
}

}  // namespace

void UnpackRgb(const uint32_t* pixels, int width, std::span<uint8_t> rgb) {
#if LG_HAVE_SSE2_PATH
    if (simd::HasSse2()) return UnpackRgbSse2(pixels, width, rgb);
#endif
    UnpackRgbPortable(pixels, width, rgb);
}

void UnpackRgbPortable(const uint32_t* pixels, int width, std::span<uint8_t> rgb) {
    uint8_t* out = rgb.data();
    int x = 0;
    if constexpr (std::endian::native == std::endian::little) {
        // One four-byte store a pixel (R, G, B and a spare byte that the next
        // pixel overwrites) instead of three single-byte stores.
        for (; x + 1 < width; ++x, out += kBytesPerPixel) {
            const uint32_t p = pixels[x];
            const uint32_t rgb0 = (p >> 16 & 0xFF) | (p & 0xFF00) | (p & 0xFF) << 16;
            std::memcpy(out, &rgb0, 4);
        }
    }
    for (; x < width; ++x, out += kBytesPerPixel) {
        out[0] = static_cast<uint8_t>(RedOf(pixels[x]));
        out[1] = static_cast<uint8_t>(GreenOf(pixels[x]));
        out[2] = static_cast<uint8_t>(BlueOf(pixels[x]));
    }
}

void FilterBytes(Filter filter, std::span<const uint8_t> row, std::span<const uint8_t> prior,
                 std::span<uint8_t> out, size_t begin, size_t end) {
    const uint8_t* r = row.data();
    const uint8_t* p = prior.data();
    uint8_t* o = out.data();
    constexpr size_t bpp = kBytesPerPixel;
    // Bytes of the first pixel have no left neighbour: a and c are 0 there.
    const size_t lead = std::clamp(bpp, begin, end);
    switch (filter) {
        case Filter::kNone:
            std::memcpy(o + begin, r + begin, end - begin);
            break;
        case Filter::kSub:
            for (size_t i = begin; i < lead; ++i) o[i] = r[i];
            for (size_t i = lead; i < end; ++i) o[i] = static_cast<uint8_t>(r[i] - r[i - bpp]);
            break;
        case Filter::kUp:
            for (size_t i = begin; i < end; ++i) o[i] = static_cast<uint8_t>(r[i] - p[i]);
            break;
        case Filter::kAverage:
            for (size_t i = begin; i < lead; ++i) o[i] = static_cast<uint8_t>(r[i] - (p[i] >> 1));
            for (size_t i = lead; i < end; ++i) {
                o[i] = static_cast<uint8_t>(r[i] - ((r[i - bpp] + p[i]) >> 1));
            }
            break;
        case Filter::kPaeth:
            for (size_t i = begin; i < lead; ++i) o[i] = static_cast<uint8_t>(r[i] - p[i]);
            for (size_t i = lead; i < end; ++i) {
                o[i] = static_cast<uint8_t>(r[i] - PaethPredictor(r[i - bpp], p[i], p[i - bpp]));
            }
            break;
    }
}

void ScoreBytes(std::span<const uint8_t> row, std::span<const uint8_t> prior, size_t begin,
                size_t end, FilterScores& scores) {
    for (size_t i = begin; i < end; ++i) {
        const int x = row[i];
        const int a = i >= kBytesPerPixel ? row[i - kBytesPerPixel] : 0;
        const int b = prior[i];
        const int c = i >= kBytesPerPixel ? prior[i - kBytesPerPixel] : 0;
        scores[0] += Magnitude(x);
        scores[1] += Magnitude(x - a);
        scores[2] += Magnitude(x - b);
        scores[3] += Magnitude(x - ((a + b) >> 1));
        scores[4] += Magnitude(x - PaethPredictor(a, b, c));
    }
}

void FilterRowPortable(Filter filter, std::span<const uint8_t> row, std::span<const uint8_t> prior,
                       std::span<uint8_t> out) {
    FilterBytes(filter, row, prior, out, 0, row.size());
}

FilterScores ScoreFiltersPortable(std::span<const uint8_t> row, std::span<const uint8_t> prior) {
    FilterScores scores{};
    ScoreBytes(row, prior, 0, row.size(), scores);
    return scores;
}

void FilterRow(Filter filter, std::span<const uint8_t> row, std::span<const uint8_t> prior,
               std::span<uint8_t> out) {
#if LG_HAVE_SSE2_PATH
    if (simd::HasSse2()) return FilterRowSse2(filter, row, prior, out);
#endif
    FilterRowPortable(filter, row, prior, out);
}

FilterScores ScoreFilters(std::span<const uint8_t> row, std::span<const uint8_t> prior) {
#if LG_HAVE_SSE2_PATH
    if (simd::HasSse2()) return ScoreFiltersSse2(row, prior);
#endif
    return ScoreFiltersPortable(row, prior);
}

int CountRepeatsPortable(const uint32_t* row, const uint32_t* above, int width) {
    int repeats = 0;
    uint32_t left = ~0u;  // never equal to a masked pixel, so x = 0 has no left match
    for (int x = 0; x < width; ++x) {
        const uint32_t p = row[x] & kRgbMask;
        const bool repeat = p == left || (above != nullptr && p == (above[x] & kRgbMask));
        repeats += repeat ? 1 : 0;
        left = p;
    }
    return repeats;
}

int CountRepeats(const uint32_t* row, const uint32_t* above, int width) {
#if LG_HAVE_SSE2_PATH
    if (simd::HasSse2()) return CountRepeatsSse2(row, above, width);
#endif
    return CountRepeatsPortable(row, above, width);
}

bool IsRepetitiveRow(const uint32_t* row, const uint32_t* above, int width) {
    return static_cast<int64_t>(CountRepeats(row, above, width)) * kRepeatDenominator >=
           static_cast<int64_t>(width) * kRepeatNumerator;
}

RowFilterer::RowFilterer(FilterPolicy policy, int width) : policy_(policy), width_(width) {
    const size_t n = static_cast<size_t>(width) * kBytesPerPixel;
    storage_ = std::make_unique_for_overwrite<uint8_t[]>(2 * n);
    rowRgb_ = {storage_.get(), n};
    priorRgb_ = {storage_.get() + n, n};
}

RowKind RowFilterer::Filter(const uint32_t* row, const uint32_t* above, std::span<uint8_t> out) {
    const size_t rowBytes = rowRgb_.size();
    std::span<uint8_t> body = out.subspan(1, rowBytes);
    const bool screen = policy_ == FilterPolicy::kScreen;

    // A copy of the row above (alpha included: a capture has one alpha
    // throughout, and a difference there only loses this shortcut).
    if (screen && above != nullptr &&
        std::memcmp(row, above, static_cast<size_t>(width_) * sizeof(uint32_t)) == 0) {
        out[0] = static_cast<uint8_t>(png::Filter::kUp);
        std::fill(body.begin(), body.end(), uint8_t{0});
        // The bytes kept for the row above are this row's bytes too.
        lastRow_ = lastRow_ == above ? row : nullptr;
        return RowKind::kCopy;
    }

    const bool predict = policy_ == FilterPolicy::kSub || policy_ == FilterPolicy::kAdaptive ||
                         (screen && !IsRepetitiveRow(row, above, width_));
    if (!predict) {
        out[0] = static_cast<uint8_t>(png::Filter::kNone);
        UnpackRgb(row, width_, body);
        lastRow_ = nullptr;  // its bytes were not kept for the next row
        return RowKind::kScreen;
    }

    UnpackPrior(above);
    UnpackRgb(row, width_, rowRgb_);
    const png::Filter chosen = policy_ == FilterPolicy::kSub ? png::Filter::kSub : ChooseAdaptive();
    FilterRow(chosen, rowRgb_, priorRgb_, body);
    out[0] = static_cast<uint8_t>(chosen);

    std::swap(rowRgb_, priorRgb_);
    lastRow_ = row;
    return RowKind::kPhoto;
}

void RowFilterer::UnpackPrior(const uint32_t* above) {
    if (above == nullptr) {
        std::fill(priorRgb_.begin(), priorRgb_.end(), uint8_t{0});
    } else if (above != lastRow_) {
        UnpackRgb(above, width_, priorRgb_);
    }
}

// The filter with the smallest score; None only competes under the plain
// adaptive policy (the screen policy has already ruled it out for the row).
png::Filter RowFilterer::ChooseAdaptive() {
    const FilterScores scores = ScoreFilters(rowRgb_, priorRgb_);
    const int first = policy_ == FilterPolicy::kAdaptive ? 0 : 1;
    int best = first;
    for (int f = first + 1; f < kFilterCount; ++f) {
        if (scores[f] < scores[best]) best = f;
    }
    return static_cast<png::Filter>(best);
}

}  // namespace lg::png
