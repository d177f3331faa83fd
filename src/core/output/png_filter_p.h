// Row filters of the PNG encoder and the choice between them.
//
// Screen pictures are mostly flat UI and text, where unfiltered rows keep the
// exact repeats that deflate finds best (a glyph drawn twice is the same
// bytes twice); a prediction filter there only scatters those repeats. Photo
// regions are the opposite: every pixel differs a little from its
// neighbours, and only a prediction filter leaves deflate something to work
// with. So each row is classified by how many of its pixels repeat a
// neighbour, and only rows that look like photos pay for the filter search.
// A row that copies the row above takes Up, which makes it all zeros, the
// cheapest thing there is to deflate.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace lg::png {

inline constexpr int kBytesPerPixel = 3;  // RGB, 8 bits a channel

enum class Filter : uint8_t { kNone = 0, kSub = 1, kUp = 2, kAverage = 3, kPaeth = 4 };
inline constexpr int kFilterCount = 5;

// How the filter of a row is chosen.
enum class FilterPolicy : uint8_t {
    kNone,      // every row unfiltered
    kSub,       // every row Sub
    kAdaptive,  // every row the filter with the smallest sum of |signed residual|
    kScreen,    // None on rows of repeats, the adaptive choice on photo-like rows
};

// The R, G, B bytes of `width` $AARRGGBB pixels; `rgb` holds 3 * width bytes.
void UnpackRgb(const uint32_t* pixels, int width, std::span<uint8_t> rgb);
void UnpackRgbPortable(const uint32_t* pixels, int width, std::span<uint8_t> rgb);
void UnpackRgbSse2(const uint32_t* pixels, int width, std::span<uint8_t> rgb);

// Applies `filter` to `row` (the unpacked current row) against `prior` (the
// unpacked row above, all zeros for the first row), writing `out`. All three
// spans have the same size.
void FilterRow(Filter filter, std::span<const uint8_t> row, std::span<const uint8_t> prior,
               std::span<uint8_t> out);

// For every filter, the sum of |residual| over the filtered row with each
// byte read as a signed value: the usual cheap proxy for how well a row will
// compress. Computed in one pass, without writing any filtered row.
using FilterScores = std::array<uint64_t, kFilterCount>;
FilterScores ScoreFilters(std::span<const uint8_t> row, std::span<const uint8_t> prior);

// The paths behind FilterRow and ScoreFilters, open for the tests. The SSE2
// ones may only run where simd::HasSse2() says so.
void FilterRowPortable(Filter filter, std::span<const uint8_t> row, std::span<const uint8_t> prior,
                       std::span<uint8_t> out);
void FilterRowSse2(Filter filter, std::span<const uint8_t> row, std::span<const uint8_t> prior,
                   std::span<uint8_t> out);
FilterScores ScoreFiltersPortable(std::span<const uint8_t> row, std::span<const uint8_t> prior);
FilterScores ScoreFiltersSse2(std::span<const uint8_t> row, std::span<const uint8_t> prior);

// The portable kernels over bytes [begin, end) of a row; the vector paths
// use them for the bytes their 16-byte steps do not cover.
void FilterBytes(Filter filter, std::span<const uint8_t> row, std::span<const uint8_t> prior,
                 std::span<uint8_t> out, size_t begin, size_t end);
void ScoreBytes(std::span<const uint8_t> row, std::span<const uint8_t> prior, size_t begin,
                size_t end, FilterScores& scores);

// How many pixels of `row` equal (alpha aside) the pixel to their left or
// the one above (`above` is null for the first row), and its two paths.
int CountRepeats(const uint32_t* row, const uint32_t* above, int width);
int CountRepeatsPortable(const uint32_t* row, const uint32_t* above, int width);
int CountRepeatsSse2(const uint32_t* row, const uint32_t* above, int width);

// True when most pixels of `row` repeat the pixel to their left or the one
// above (`above` is null for the first row): UI, text and flat fills, where
// the unfiltered row compresses best. Alpha does not count.
bool IsRepetitiveRow(const uint32_t* row, const uint32_t* above, int width);

// What the row filterer took a row for.
enum class RowKind : uint8_t {
    kScreen,  // UI or text (or any row under the None policy): left unfiltered
    kPhoto,   // predicted with the best-scoring filter (every row under Sub or adaptive)
    kCopy,    // the same pixels as the row above (screen policy): Up turns it into zeros
};

// Filters rows one after the other, choosing each row's filter by `policy`.
// The choice depends only on the row and the row above, so any band of rows
// comes out byte for byte the same whichever row the filtering started at.
class RowFilterer {
public:
    RowFilterer(FilterPolicy policy, int width);

    // Writes the filter byte and the filtered row (1 + 3 * width bytes) to
    // `out`. `above` is the row above in the picture, null for the first.
    RowKind Filter(const uint32_t* row, const uint32_t* above, std::span<uint8_t> out);

    size_t RowBytes() const { return 1 + rowRgb_.size(); }

private:
    png::Filter ChooseAdaptive();
    void UnpackPrior(const uint32_t* above);

    FilterPolicy policy_;
    int width_;
    const uint32_t* lastRow_ = nullptr;  // the row whose bytes are in priorRgb_
    std::span<uint8_t> rowRgb_;
    std::span<uint8_t> priorRgb_;
    std::unique_ptr<uint8_t[]> storage_;
};

}  // namespace lg::png
