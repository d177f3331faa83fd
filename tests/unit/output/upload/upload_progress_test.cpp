// The percentage the progress window shows, its rounding of halves to the
// even neighbour, and when a new one reaches the window at all.
#include "output/upload/upload_progress.h"

#include <gtest/gtest.h>

#include <vector>

namespace lg {
namespace {

TEST(UploadProgressTest, PercentRoundsHalvesToTheEvenNeighbour) {
    struct Case {
        std::int64_t count, whole;
        int percent;
        const char* why;
    };
    const Case cases[] = {
        {0, 1000, 0, "nothing written"},
        {1, 200, 0, "0.5 goes down to even 0"},
        {3, 200, 2, "1.5 goes up to even 2"},
        {5, 200, 2, "2.5 goes down to even 2"},
        {7, 200, 4, "3.5 goes up to even 4"},
        {199, 200, 100, "99.5 goes up to even 100"},
        {197, 200, 98, "98.5 goes down to even 98"},
        {1, 3, 33, "33.3 down"},
        {2, 3, 67, "66.7 up"},
        {1000, 1000, 100, "the picture's size"},
        {1262, 1000, 126, "the multipart headers carry it past 100"},
        {3'000'000'000, 4'000'000'000, 75, "no overflow on a large picture"},
        {5, 0, 100, "an empty picture counts as sent"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ProgressPercent(c.count, c.whole), c.percent) << c.why;
    }
}

TEST(UploadProgressTest, OnlyANewPercentageReachesTheWindowAndTheLastOneIsKept) {
    UploadProgress progress;
    EXPECT_EQ(progress.LastPos(), 0) << "before the first upload";
    const std::int64_t whole = 1000;
    std::vector<int> shown;
    for (const std::int64_t written : {0, 4, 6, 12, 15, 500, 504, 1000, 1100, 1262}) {
        if (const auto pos = progress.Written(written, whole)) shown.push_back(*pos);
    }
    // 0 and 0.4 % are what was shown already; 0.6 and 1.2 % both round
    // to 1; 1.5 % rounds to 2.
    EXPECT_EQ(shown, (std::vector<int>{1, 2, 50, 100, 110, 126}));
    EXPECT_EQ(progress.LastPos(), 126) << "kept for the next upload";
    // The next upload starts from there: its first bytes are news again.
    EXPECT_EQ(progress.Written(10, whole), std::optional<int>(1));
}

TEST(UploadProgressTest, WindowClosesOutsideZeroToNinetyNine) {
    struct Case {
        int lastPos;
        ProgressWindowStep step;
    };
    const Case cases[] = {
        {-1, {.close = true}},
        {0, {.close = false, .position = 0}},
        {57, {.close = false, .position = 57}},
        {99, {.close = false, .position = 99}},
        {100, {.close = true}},
        {126, {.close = true}},
    };
    for (const Case& c : cases) EXPECT_EQ(ProgressStepFor(c.lastPos), c.step) << c.lastPos;
}

}  // namespace
}  // namespace lg
