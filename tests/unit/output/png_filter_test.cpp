#include "output/png_filter_p.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <vector>

#include "output/test_pictures.h"

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

TEST(PngFilter, EveryFilterMatchesItsDefinitionOnRandomRows) {
    std::mt19937 rng(20240611);
    for (size_t pixels : {1u, 2u, 5u, 64u, 333u}) {
        for (int round = 0; round < 20; ++round) {
            std::vector<uint8_t> row(pixels * 3), prior(pixels * 3), out(pixels * 3);
            // Narrow value ranges in some rounds make the Paeth ties common.
            const unsigned range = round % 2 == 0 ? 256 : 3;
            for (auto& v : row) v = static_cast<uint8_t>(rng() % range);
            for (auto& v : prior) v = static_cast<uint8_t>(rng() % range);
            for (int f = 0; f < kFilterCount; ++f) {
                const auto filter = static_cast<Filter>(f);
                FilterRow(filter, row, prior, out);
                for (size_t i = 0; i < row.size(); ++i) {
                    ASSERT_EQ(out[i], ReferenceFiltered(filter, row, prior, i))
                        << "filter " << f << ", " << pixels << " pixels, byte " << i;
                }
            }
        }
    }
}

TEST(PngFilter, UnpackTakesRedGreenBlueAndDropsAlpha) {
    const uint32_t pixels[] = {0x80112233u, 0x00FFFEFDu};
    std::vector<uint8_t> rgb(6);
    UnpackRgb(pixels, 2, rgb);
    EXPECT_EQ(rgb, (std::vector<uint8_t>{0x11, 0x22, 0x33, 0xFF, 0xFE, 0xFD}));
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

// Bands recompute the rows before them to prime their compressor, which is
// only sound if a row comes out the same whichever row filtering began at.
TEST(RowFilterer, RowsDoNotDependOnWhereFilteringStarted) {
    const test::Picture picture = test::Mixed(57, 40);
    const ImageView32 view = picture.View();
    for (FilterPolicy policy : {FilterPolicy::kNone, FilterPolicy::kSub, FilterPolicy::kAdaptive,
                                FilterPolicy::kScreen}) {
        RowFilterer whole(policy, view.width);
        std::vector<std::vector<uint8_t>> expected;
        for (int y = 0; y < view.height; ++y) {
            expected.emplace_back(whole.RowBytes());
            whole.Filter(view.Row(y), y > 0 ? view.Row(y - 1) : nullptr, expected.back());
        }
        for (int start : {1, 7, 39}) {
            RowFilterer part(policy, view.width);
            std::vector<uint8_t> row(part.RowBytes());
            for (int y = start; y < view.height; ++y) {
                part.Filter(view.Row(y), view.Row(y - 1), row);
                ASSERT_EQ(row, expected[y]) << "policy " << static_cast<int>(policy) << ", start "
                                            << start << ", row " << y;
            }
        }
    }
}

TEST(RowFilterer, ScreenPolicyFiltersOnlyPhotoRows) {
    const test::Picture text = test::Text(90, 12);
    const test::Picture photo = test::Photo(90, 12);
    RowFilterer filterer(FilterPolicy::kScreen, 90);
    std::vector<uint8_t> row(filterer.RowBytes());
    for (int y = 1; y < 12; ++y) {
        EXPECT_FALSE(filterer.Filter(text.View().Row(y), text.View().Row(y - 1), row));
        EXPECT_EQ(row[0], static_cast<uint8_t>(Filter::kNone));
        EXPECT_TRUE(filterer.Filter(photo.View().Row(y), photo.View().Row(y - 1), row));
        EXPECT_NE(row[0], static_cast<uint8_t>(Filter::kNone));
    }
}

}  // namespace
}  // namespace lg::png
