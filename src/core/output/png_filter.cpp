#include "output/png_filter_p.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "output/image_view.h"

namespace lg::png {
namespace {

constexpr uint32_t kRgbMask = 0x00FFFFFFu;

// A row counts as repetitive when at least this share of its pixels repeats
// the left or upper neighbour. Text and UI rows sit far above it (background
// runs), photo rows far below (sensor noise and gradients almost never repeat
// exactly); a row that is half photo, half page goes to the filters, which
// the photo half needs more than the page half loses.
constexpr int kRepeatNumerator = 1;
constexpr int kRepeatDenominator = 2;

uint8_t PaethPredictor(int a, int b, int c) {
    int p = a + b - c;
    int pa = std::abs(p - a);
    int pb = std::abs(p - b);
    int pc = std::abs(p - c);
    if (pa <= pb && pa <= pc) return static_cast<uint8_t>(a);
    if (pb <= pc) return static_cast<uint8_t>(b);
    return static_cast<uint8_t>(c);
}

}  // namespace

void UnpackRgb(const uint32_t* pixels, int width, std::span<uint8_t> rgb) {
    uint8_t* out = rgb.data();
    for (int x = 0; x < width; ++x) {
        uint32_t p = pixels[x];
        out[0] = RedOf(p);
        out[1] = GreenOf(p);
        out[2] = BlueOf(p);
        out += kBytesPerPixel;
    }
}

void FilterRow(Filter filter, std::span<const uint8_t> row, std::span<const uint8_t> prior,
               std::span<uint8_t> out) {
    const size_t n = row.size();
    const uint8_t* r = row.data();
    const uint8_t* p = prior.data();
    uint8_t* o = out.data();
    constexpr size_t bpp = kBytesPerPixel;
    const size_t lead = std::min(n, bpp);  // bytes with no left neighbour
    switch (filter) {
        case Filter::kNone:
            std::memcpy(o, r, n);
            break;
        case Filter::kSub:
            std::memcpy(o, r, lead);
            for (size_t i = bpp; i < n; ++i) o[i] = static_cast<uint8_t>(r[i] - r[i - bpp]);
            break;
        case Filter::kUp:
            for (size_t i = 0; i < n; ++i) o[i] = static_cast<uint8_t>(r[i] - p[i]);
            break;
        case Filter::kAverage:
            for (size_t i = 0; i < lead; ++i) o[i] = static_cast<uint8_t>(r[i] - (p[i] >> 1));
            for (size_t i = bpp; i < n; ++i) {
                o[i] = static_cast<uint8_t>(r[i] - ((r[i - bpp] + p[i]) >> 1));
            }
            break;
        case Filter::kPaeth:
            for (size_t i = 0; i < lead; ++i) o[i] = static_cast<uint8_t>(r[i] - p[i]);
            for (size_t i = bpp; i < n; ++i) {
                o[i] = static_cast<uint8_t>(r[i] - PaethPredictor(r[i - bpp], p[i], p[i - bpp]));
            }
            break;
    }
}

uint64_t SignedAbsoluteSum(std::span<const uint8_t> filtered) {
    uint64_t sum = 0;
    for (uint8_t v : filtered) sum += v < 128 ? v : 256u - v;
    return sum;
}

bool IsRepetitiveRow(const uint32_t* row, const uint32_t* above, int width) {
    int repeats = 0;
    uint32_t left = ~0u;  // never equal to a masked pixel, so x = 0 has no left match
    for (int x = 0; x < width; ++x) {
        uint32_t p = row[x] & kRgbMask;
        bool repeat = p == left || (above != nullptr && p == (above[x] & kRgbMask));
        repeats += repeat ? 1 : 0;
        left = p;
    }
    return static_cast<int64_t>(repeats) * kRepeatDenominator >=
           static_cast<int64_t>(width) * kRepeatNumerator;
}

RowFilterer::RowFilterer(FilterPolicy policy, int width) : policy_(policy), width_(width) {
    const size_t n = static_cast<size_t>(width) * kBytesPerPixel;
    storage_ = std::make_unique<uint8_t[]>(3 * n);
    rowRgb_ = {storage_.get(), n};
    priorRgb_ = {storage_.get() + n, n};
    trial_ = {storage_.get() + 2 * n, n};
}

bool RowFilterer::Filter(const uint32_t* row, const uint32_t* above, std::span<uint8_t> out) {
    if (above == nullptr) {
        std::fill(priorRgb_.begin(), priorRgb_.end(), uint8_t{0});
    } else if (above != lastRow_) {
        UnpackRgb(above, width_, priorRgb_);
    }
    UnpackRgb(row, width_, rowRgb_);

    bool photo = false;
    png::Filter chosen = png::Filter::kNone;
    std::span<uint8_t> body = out.subspan(1, rowRgb_.size());
    switch (policy_) {
        case FilterPolicy::kNone:
            FilterRow(chosen, rowRgb_, priorRgb_, body);
            break;
        case FilterPolicy::kSub:
            chosen = png::Filter::kSub;
            FilterRow(chosen, rowRgb_, priorRgb_, body);
            break;
        case FilterPolicy::kAdaptive:
            chosen = ChooseAdaptive(out);
            break;
        case FilterPolicy::kScreen:
            if (IsRepetitiveRow(row, above, width_)) {
                FilterRow(chosen, rowRgb_, priorRgb_, body);
            } else {
                photo = true;
                chosen = ChooseAdaptive(out);
            }
            break;
    }
    out[0] = static_cast<uint8_t>(chosen);

    std::swap(rowRgb_, priorRgb_);
    lastRow_ = row;
    return photo;
}

// Tries the prediction filters (and None, for the plain adaptive policy) and
// keeps the one with the smallest signed absolute sum in `out`.
png::Filter RowFilterer::ChooseAdaptive(std::span<uint8_t> out) {
    std::span<uint8_t> body = out.subspan(1, rowRgb_.size());
    const bool tryNone = policy_ == FilterPolicy::kAdaptive;
    png::Filter best = tryNone ? png::Filter::kNone : png::Filter::kSub;
    FilterRow(best, rowRgb_, priorRgb_, body);
    uint64_t bestSum = SignedAbsoluteSum(body);
    for (int f = static_cast<int>(best) + 1; f < kFilterCount; ++f) {
        auto candidate = static_cast<png::Filter>(f);
        FilterRow(candidate, rowRgb_, priorRgb_, trial_);
        uint64_t sum = SignedAbsoluteSum(trial_);
        if (sum < bestSum) {
            bestSum = sum;
            best = candidate;
            std::copy(trial_.begin(), trial_.end(), body.begin());
        }
    }
    return best;
}

}  // namespace lg::png
