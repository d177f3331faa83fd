#include "output/png_filter_p.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <vector>

#include "output/test_pictures.h"
#include "simd/dispatch.h"

namespace lg::png {
namespace {

// The filters written out byte by byte from their definitions: a is the
// byte one pixel to the left, b the byte above, c the byte above a; all
// three are 0 outside the picture.
uint8_t ReferenceFiltered(Filter filter, const std::vector<uint8_t>& row,
                          const std::vector<uint8_t>& prior, size_t i) {
    const int x = row[i];
    const int a = i >= 3 ? row[i - 3] : 0;
    const int b = prior[i];
    const int c = i >= 3 ? prior[i - 3] : 0;
    int predicted = 0;
    switch (filter) {
        case Filter::kNone:
            predicted = 0;
            break;
        case Filter::kSub:
            predicted = a;
            break;
        case Filter::kUp:
            predicted = b;
            break;
        case Filter::kAverage:
            predicted = (a + b) / 2;
            break;
        case Filter::kPaeth: {
            const int p = a + b - c;
            const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
            predicted = (pa <= pb && pa <= pc) ? a : (pb <= pc ? b : c);
            break;
        }
    }
    return static_cast<uint8_t>((x - predicted) & 0xFF);
}

uint32_t ReferenceMagnitude(uint8_t residual) {
    return residual < 128 ? residual : 256u - residual;
}

// A pair of random rows; narrow value ranges make Paeth ties and equal
// neighbours common, wide ones exercise wrap-around.
struct RowPair {
    std::vector<uint8_t> row, prior;
};

std::vector<RowPair> RandomRows() {
    std::mt19937 rng(20240611);
    std::vector<RowPair> pairs;
    // Lengths around the 16-byte steps and the 3-byte first pixel.
    for (size_t pixels : {1u, 2u, 5u, 6u, 7u, 11u, 64u, 333u}) {
        for (unsigned range : {256u, 3u, 2u}) {
            for (int round = 0; round < 8; ++round) {
                RowPair pair{std::vector<uint8_t>(pixels * 3), std::vector<uint8_t>(pixels * 3)};
                for (auto& v : pair.row) v = static_cast<uint8_t>(rng() % range * (256 / range));
                for (auto& v : pair.prior) v = static_cast<uint8_t>(rng() % range * (256 / range));
                pairs.push_back(std::move(pair));
            }
        }
    }
    return pairs;
}

struct PathCase {
    const char* name;
    decltype(&FilterRowPortable) filter;
    decltype(&ScoreFiltersPortable) score;
    bool available;
};

class FilterPaths : public ::testing::TestWithParam<PathCase> {};

TEST_P(FilterPaths, FiltersMatchTheirDefinition) {
    const PathCase& path = GetParam();
    if (!path.available) GTEST_SKIP() << "no SSE2 on this processor";
    for (const RowPair& pair : RandomRows()) {
        std::vector<uint8_t> out(pair.row.size());
        for (int f = 0; f < kFilterCount; ++f) {
            const auto filter = static_cast<Filter>(f);
            path.filter(filter, pair.row, pair.prior, out);
            for (size_t i = 0; i < out.size(); ++i) {
                ASSERT_EQ(out[i], ReferenceFiltered(filter, pair.row, pair.prior, i))
                    << "filter " << f << ", " << out.size() << " bytes, byte " << i;
            }
        }
    }
}

TEST_P(FilterPaths, ScoresAreSumsOfFilteredMagnitudes) {
    const PathCase& path = GetParam();
    if (!path.available) GTEST_SKIP() << "no SSE2 on this processor";
    for (const RowPair& pair : RandomRows()) {
        const FilterScores scores = path.score(pair.row, pair.prior);
        for (int f = 0; f < kFilterCount; ++f) {
            uint64_t expected = 0;
            for (size_t i = 0; i < pair.row.size(); ++i) {
                expected += ReferenceMagnitude(
                    ReferenceFiltered(static_cast<Filter>(f), pair.row, pair.prior, i));
            }
            ASSERT_EQ(scores[f], expected) << "filter " << f << ", " << pair.row.size() << " bytes";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Paths, FilterPaths,
    ::testing::Values(PathCase{"portable", FilterRowPortable, ScoreFiltersPortable, true},
                      PathCase{"sse2", FilterRowSse2, ScoreFiltersSse2, simd::HasSse2()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PngFilter, UnpackPathsAgreeAndStayInsideTheRow) {
    std::mt19937 rng(99);
    for (int width = 1; width <= 40; ++width) {
        std::vector<uint32_t> pixels(width);
        for (auto& p : pixels) p = static_cast<uint32_t>(rng());
        // A guard byte after the row catches a store that runs past it.
        std::vector<uint8_t> portable(3 * width + 1, 0xA5), vector(3 * width + 1, 0xA5);
        UnpackRgbPortable(pixels.data(), width, std::span(portable).first(3 * width));
        for (int x = 0; x < width; ++x) {
            ASSERT_EQ(portable[3 * x], RedOf(pixels[x]));
            ASSERT_EQ(portable[3 * x + 1], GreenOf(pixels[x]));
            ASSERT_EQ(portable[3 * x + 2], BlueOf(pixels[x]));
        }
        EXPECT_EQ(portable.back(), 0xA5) << width << " pixels";
        if (simd::HasSse2()) {
            UnpackRgbSse2(pixels.data(), width, std::span(vector).first(3 * width));
            EXPECT_EQ(vector, portable) << width << " pixels";
        }
    }
}

struct RepeatCase {
    const char* name;
    std::vector<uint32_t> row;
    std::vector<uint32_t> above;  // empty: first row
    bool repetitive;
};

class RepetitiveRow : public ::testing::TestWithParam<RepeatCase> {};

TEST_P(RepetitiveRow, Classifies) {
    const RepeatCase& c = GetParam();
    const uint32_t* above = c.above.empty() ? nullptr : c.above.data();
    EXPECT_EQ(IsRepetitiveRow(c.row.data(), above, static_cast<int>(c.row.size())), c.repetitive);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RepetitiveRow,
    ::testing::Values(RepeatCase{"flatRun", {1, 1, 1, 1}, {}, true},
                      // Nothing repeats to the left and there is no row above.
                      RepeatCase{"allDifferentFirstRow", {1, 2, 3, 4}, {}, false},
                      // A row copied from the one above is all repeats.
                      RepeatCase{"sameAsAbove", {1, 2, 3, 4}, {1, 2, 3, 4}, true},
                      RepeatCase{"allDifferent", {1, 2, 3, 4}, {5, 6, 7, 8}, false},
                      // Exactly half repeating still counts (two of four).
                      RepeatCase{"halfRepeats", {1, 1, 1, 4}, {9, 9, 9, 9}, true},
                      RepeatCase{"underHalf", {1, 2, 3, 3}, {9, 9, 9, 9}, false},
                      // Alpha is not part of the picture.
                      RepeatCase{"differsOnlyInAlpha",
                                 {0x01000005, 0xFF000005, 0x7F000005, 0x00000005},
                                 {},
                                 true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RepeatCount, VectorPathMatchesPortable) {
    if (!simd::HasSse2()) GTEST_SKIP() << "no SSE2 on this processor";
    std::mt19937 rng(4242);
    for (int width = 1; width <= 40; ++width) {
        for (int round = 0; round < 30; ++round) {
            // Three colours and random alpha: plenty of matches, some only
            // in the colour bits.
            std::vector<uint32_t> row(width), above(width);
            for (auto& p : row) p = (rng() % 3) * 0x010101u | (rng() & 0xFF000000u);
            for (auto& p : above) p = (rng() % 3) * 0x010101u | (rng() & 0xFF000000u);
            const uint32_t* none = nullptr;
            for (const uint32_t* up : {none, static_cast<const uint32_t*>(above.data())}) {
                ASSERT_EQ(CountRepeatsSse2(row.data(), up, width),
                          CountRepeatsPortable(row.data(), up, width))
                    << width << " pixels";
            }
        }
    }
}

// Bands recompute the rows before them to prime their compressor, which is
// only sound if a row comes out the same whichever row filtering began at.
TEST(RowFilterer, RowsDoNotDependOnWhereFilteringStarted) {
    // Photo beside text, and text with blank (copied) rows.
    for (const test::Picture& picture : {test::Mixed(57, 40), test::Text(57, 40)}) {
        const ImageView32 view = picture.View();
        for (FilterPolicy policy : {FilterPolicy::kNone, FilterPolicy::kSub,
                                    FilterPolicy::kAdaptive, FilterPolicy::kScreen}) {
            RowFilterer whole(policy, view.width);
            std::vector<std::vector<uint8_t>> expected;
            std::vector<RowKind> expectedKinds;
            for (int y = 0; y < view.height; ++y) {
                expected.emplace_back(whole.RowBytes());
                expectedKinds.push_back(
                    whole.Filter(view.Row(y), y > 0 ? view.Row(y - 1) : nullptr, expected.back()));
            }
            for (int start : {1, 7, 39}) {
                RowFilterer part(policy, view.width);
                std::vector<uint8_t> row(part.RowBytes());
                for (int y = start; y < view.height; ++y) {
                    ASSERT_EQ(part.Filter(view.Row(y), view.Row(y - 1), row), expectedKinds[y]);
                    ASSERT_EQ(row, expected[y]) << "policy " << static_cast<int>(policy)
                                                << ", start " << start << ", row " << y;
                }
            }
        }
    }
}

TEST(RowFilterer, ScreenPolicyClassifiesRows) {
    const test::Picture text = test::Text(90, 12);
    const test::Picture photo = test::Photo(90, 12);
    RowFilterer filterer(FilterPolicy::kScreen, 90);
    std::vector<uint8_t> row(filterer.RowBytes());
    int copies = 0;
    for (int y = 1; y < 12; ++y) {
        const uint32_t* line = text.View().Row(y);
        const bool copy = std::equal(line, line + 90, text.View().Row(y - 1));
        const RowKind kind = filterer.Filter(line, text.View().Row(y - 1), row);
        if (copy) {
            // Up against an identical row: nothing but zeros.
            ++copies;
            EXPECT_EQ(kind, RowKind::kCopy) << y;
            EXPECT_EQ(row[0], static_cast<uint8_t>(Filter::kUp));
            EXPECT_TRUE(std::all_of(row.begin() + 1, row.end(), [](uint8_t b) { return b == 0; }));
        } else {
            EXPECT_EQ(kind, RowKind::kScreen) << y;
            EXPECT_EQ(row[0], static_cast<uint8_t>(Filter::kNone));
        }
        EXPECT_EQ(filterer.Filter(photo.View().Row(y), photo.View().Row(y - 1), row),
                  RowKind::kPhoto);
        EXPECT_NE(row[0], static_cast<uint8_t>(Filter::kNone));
    }
    EXPECT_GT(copies, 0) << "the text fixture has blank rows";
}

}  // namespace
}  // namespace lg::png
