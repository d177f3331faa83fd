// Random edits through the store against the slow, obvious reference: a full
// copy of every snapshot kept by the test.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "capture/store_list_bitmap32.h"
#include "capture_pictures.h"

namespace lg {
namespace {

using namespace testing_capture;

// One random change to the picture, of the kinds a capture sees: figures of
// every size, a blur, nothing at all, and now and then another picture size.
TBitmap32 RandomEdit(const TBitmap32& from, std::mt19937& rng) {
    TBitmap32 b = from;
    auto coord = [&rng](int limit) {
        return std::uniform_int_distribution<int>(-8, limit + 8)(rng);
    };
    const TColor32 colour = rng() | 0xFF000000u;
    const TRect r{coord(b.Width()), coord(b.Height()), coord(b.Width()), coord(b.Height())};
    const TRect ordered{std::min(r.Left, r.Right), std::min(r.Top, r.Bottom),
                        std::max(r.Left, r.Right), std::max(r.Top, r.Bottom)};
    switch (rng() % 9) {
        case 0:
            FillRect(b, ordered, colour);
            break;
        case 1:
            FrameRect(b, ordered, 1 + static_cast<int>(rng() % 4), colour);
            break;
        case 2:
            Line(b, r.Left, r.Top, r.Right, r.Bottom, 1 + static_cast<int>(rng() % 5), colour);
            break;
        case 3:
            Scramble(b, ordered, rng);
            break;
        case 4:
            b.SetPixelS(coord(b.Width()), coord(b.Height()), colour);
            break;
        case 5:
            break;  // a figure that left no trace
        case 6:
            Scramble(b, b.BoundsRect(), rng);
            break;
        case 7:
            FillRect(b, {0, 0, b.Width(), 1}, colour);  // first row only
            break;
        case 8:
            if (rng() % 3 == 0) {
                return RandomPicture(40 + static_cast<int>(rng() % 90),
                                     1 + static_cast<int>(rng() % 70), rng);
            }
            FillRect(b, {0, b.Height() - 1, b.Width(), b.Height()}, colour);  // last row only
            break;
    }
    return b;
}

class StoreRoundTripTest : public ::testing::TestWithParam<DeltaPacking> {};

TEST_P(StoreRoundTripTest, UndoAndRedoGiveTheSnapshotsBackExactly) {
    std::mt19937 rng(20240611);  // fixed start value: the same walk every run
    int stampCounter = 1;
    TStoreListBitmap32 store(stampCounter, GetParam());

    std::vector<TBitmap32> reference{RandomPicture(97, 61, rng)};
    std::vector<bool> stamps{false};
    int pos = 0;
    int expectedCounter = 1;
    ASSERT_TRUE(store.AddBitmap(reference[0], false));

    auto check = [&](const TBitmap32Ex* got, bool moved, int step) {
        ASSERT_EQ(got != nullptr, moved) << "step " << step;
        if (got) {
            ASSERT_TRUE(SamePixels(*got, reference[pos])) << "step " << step;
            ASSERT_EQ(got->Stamp, stamps[pos]) << "step " << step;
        }
        ASSERT_EQ(store.Count(), static_cast<int>(reference.size())) << "step " << step;
        ASSERT_EQ(store.Position(), pos) << "step " << step;
        ASSERT_EQ(stampCounter, expectedCounter) << "step " << step;
    };

    for (int step = 0; step < 800; ++step) {
        const unsigned what = rng() % 10;
        if (what < 5) {
            TBitmap32 next = RandomEdit(reference[pos], rng);
            const bool stamp = rng() % 4 == 0;
            if (stamp) ++stampCounter, ++expectedCounter;
            ASSERT_TRUE(store.AddBitmap(next, stamp));
            reference.resize(pos + 1);
            stamps.resize(pos + 1);
            reference.push_back(std::move(next));
            stamps.push_back(stamp);
            ++pos;
            ASSERT_NO_FATAL_FAILURE(check(nullptr, false, step));
        } else if (what < 8) {
            const bool moves = pos > 0;
            if (moves && stamps[pos]) --expectedCounter;
            if (moves) --pos;
            ASSERT_NO_FATAL_FAILURE(check(store.UndoGet(), moves, step));
        } else {
            const bool moves = pos + 1 < static_cast<int>(reference.size());
            if (moves) ++pos;
            if (moves && stamps[pos]) ++expectedCounter;
            ASSERT_NO_FATAL_FAILURE(check(store.RedoGet(), moves, step));
        }
    }

    // The whole history back to the capture and forward again.
    while (pos > 0) {
        if (stamps[pos]) --expectedCounter;
        --pos;
        ASSERT_NO_FATAL_FAILURE(check(store.UndoGet(), true, -1));
    }
    while (pos + 1 < static_cast<int>(reference.size())) {
        ++pos;
        if (stamps[pos]) ++expectedCounter;
        ASSERT_NO_FATAL_FAILURE(check(store.RedoGet(), true, -2));
    }
}

INSTANTIATE_TEST_SUITE_P(Packings, StoreRoundTripTest,
                         ::testing::Values(DeltaPacking::kRle, DeltaPacking::kRleDeflate),
                         [](const ::testing::TestParamInfo<DeltaPacking>& info) {
                             return info.param == DeltaPacking::kRle ? "Rle" : "RleDeflate";
                         });

TEST(StoreMemory, LongEditHoldsFarLessThanFullCopies) {
    // 200 figures on a full-HD capture would be 200 full copies, 1.6 GB, in
    // a store of whole snapshots.
    std::mt19937 rng(7);
    int stampCounter = 1;
    TStoreListBitmap32 store(stampCounter);
    TBitmap32 picture = RandomPicture(1920, 1080, rng);
    const std::size_t frameBytes = picture.Pixels().size_bytes();
    ASSERT_TRUE(store.AddBitmap(picture, false));
    for (int i = 0; i < 200; ++i) {
        const int x = static_cast<int>(rng() % 1700), y = static_cast<int>(rng() % 900);
        if (i % 2) {
            FrameRect(picture, {x, y, x + 200, y + 150}, 3, 0xFFFF0000u);
        } else {
            Line(picture, x, y, x + 220, y + 170, 4, 0xFF0000FFu);
        }
        ASSERT_TRUE(store.AddBitmap(picture, false));
    }
    // The one full picture plus all 200 steps in less than one more frame.
    EXPECT_LT(store.HeldBytes(), 2 * frameBytes);
    const TBitmap32Ex* got = store.UndoGet();
    ASSERT_NE(got, nullptr);
}

}  // namespace
}  // namespace lg
