#include "capture/store_list_bitmap32.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

#include "capture_pictures.h"

namespace lg {
namespace {

using testing_capture::FillRect;
using testing_capture::RandomPicture;
using testing_capture::SamePixels;

using Avail = std::pair<bool, bool>;

// A store with a listener that records every call, and the pictures of a
// short edit: the capture, then figures drawn one after another.
class StoreTest : public ::testing::Test {
protected:
    StoreTest() {
        store.SetOnChangeState([this](bool u, bool r) { heard.emplace_back(u, r); });
        std::mt19937 rng(1234);
        pictures.push_back(RandomPicture(64, 48, rng));
        for (int i = 1; i < 5; ++i) {
            TBitmap32 next = pictures.back();
            FillRect(next, {4 * i, 3 * i, 4 * i + 10, 3 * i + 7}, 0xFF000000u | (0x3F3F3Fu * i));
            pictures.push_back(std::move(next));
        }
    }

    // The capture plus `figures` figures, none of them stamps.
    void AddEdit(int figures) {
        for (int i = 0; i <= figures; ++i) ASSERT_TRUE(store.AddBitmap(pictures[i], false));
    }

    int stampCounter = 1;
    TStoreListBitmap32 store{stampCounter};
    std::vector<Avail> heard;
    std::vector<TBitmap32> pictures;
};

TEST_F(StoreTest, EmptyStoreHasNothingToGiveAndSaysSo) {
    EXPECT_EQ(store.UndoGet(), nullptr);
    EXPECT_EQ(store.RedoGet(), nullptr);
    EXPECT_EQ(heard, (std::vector<Avail>{{false, false}, {false, false}}));
    EXPECT_EQ(store.Count(), 0);
    EXPECT_EQ(store.Position(), 0);
    EXPECT_EQ(stampCounter, 1);
}

TEST_F(StoreTest, FirstSnapshotAllowsNeitherUndoNorRedo) {
    ASSERT_TRUE(store.AddBitmap(pictures[0], false));
    EXPECT_EQ(store.Count(), 1);
    EXPECT_EQ(store.Position(), 0);
    EXPECT_FALSE(store.AvailUndo());
    EXPECT_FALSE(store.AvailRedo());
    EXPECT_EQ(store.UndoGet(), nullptr);
    EXPECT_EQ(store.RedoGet(), nullptr);
    EXPECT_EQ(heard, (std::vector<Avail>{{false, false}, {false, false}, {false, false}}));
}

TEST_F(StoreTest, PositionAndAvailabilityFollowEachStep) {
    AddEdit(2);
    struct Move {
        bool undo;
        bool gives;
        int position;
        Avail avail;
    };
    const Move moves[] = {
        {true, true, 1, {true, true}},     // back to the first figure
        {true, true, 0, {false, true}},    // back to the capture
        {true, false, 0, {false, true}},   // nothing before the capture
        {false, true, 1, {true, true}},    // forward again
        {false, true, 2, {true, false}},   // to the newest
        {false, false, 2, {true, false}},  // nothing after it
    };
    heard.clear();
    for (const Move& m : moves) {
        const TBitmap32Ex* got = m.undo ? store.UndoGet() : store.RedoGet();
        ASSERT_EQ(got != nullptr, m.gives) << "to position " << m.position;
        if (got) {
            EXPECT_TRUE(SamePixels(*got, pictures[m.position]));
        }
        EXPECT_EQ(store.Position(), m.position);
        EXPECT_EQ((Avail{store.AvailUndo(), store.AvailRedo()}), m.avail);
        // The listener hears every call, whether or not anything changed.
        ASSERT_FALSE(heard.empty());
        EXPECT_EQ(heard.back(), m.avail);
    }
    EXPECT_EQ(heard.size(), std::size(moves));
}

TEST_F(StoreTest, NewSnapshotAfterUndoDropsTheRedoBranch) {
    AddEdit(3);
    ASSERT_NE(store.UndoGet(), nullptr);
    ASSERT_NE(store.UndoGet(), nullptr);
    ASSERT_TRUE(store.AddBitmap(pictures[4], false));
    EXPECT_EQ(store.Count(), 3);
    EXPECT_EQ(store.Position(), 2);
    EXPECT_FALSE(store.AvailRedo());
    EXPECT_EQ(heard.back(), (Avail{true, false}));
    EXPECT_EQ(store.RedoGet(), nullptr);
    // The history is now capture, first figure, the new one.
    const TBitmap32Ex* back = store.UndoGet();
    ASSERT_NE(back, nullptr);
    EXPECT_TRUE(SamePixels(*back, pictures[1]));
    const TBitmap32Ex* forward = store.RedoGet();
    ASSERT_NE(forward, nullptr);
    EXPECT_TRUE(SamePixels(*forward, pictures[4]));
}

TEST_F(StoreTest, StampCounterFollowsUndoAndRedoOverStamps) {
    // The capture, then stamps showing 1 and 2; the stamp tool counts up.
    ASSERT_TRUE(store.AddBitmap(pictures[0], false));
    for (int i = 1; i <= 2; ++i) {
        ++stampCounter;
        ASSERT_TRUE(store.AddBitmap(pictures[i], true));
    }
    ASSERT_EQ(stampCounter, 3);

    const TBitmap32Ex* got = store.UndoGet();
    ASSERT_NE(got, nullptr);
    EXPECT_EQ(stampCounter, 2);
    EXPECT_TRUE(got->Stamp);  // the first stamp's snapshot
    got = store.UndoGet();
    ASSERT_NE(got, nullptr);
    EXPECT_TRUE(SamePixels(*got, pictures[0]));
    EXPECT_FALSE(got->Stamp);
    EXPECT_EQ(stampCounter, 1);

    got = store.RedoGet();
    ASSERT_NE(got, nullptr);
    EXPECT_TRUE(SamePixels(*got, pictures[1]));
    EXPECT_EQ(stampCounter, 2);

    // A new stamp shows 2 and takes the second stamp's place for good.
    ++stampCounter;
    ASSERT_TRUE(store.AddBitmap(pictures[3], true));
    EXPECT_EQ(store.Count(), 3);
    EXPECT_EQ(store.RedoGet(), nullptr);
    EXPECT_EQ(stampCounter, 3);
    got = store.UndoGet();
    ASSERT_NE(got, nullptr);
    EXPECT_TRUE(SamePixels(*got, pictures[1]));
    EXPECT_EQ(stampCounter, 2);
}

TEST_F(StoreTest, StepsOverOrdinaryFiguresLeaveTheStampCounter) {
    stampCounter = 7;
    AddEdit(2);
    ASSERT_NE(store.UndoGet(), nullptr);
    ASSERT_NE(store.RedoGet(), nullptr);
    EXPECT_EQ(stampCounter, 7);
}

TEST_F(StoreTest, ClearNotifiesOnlyWhenAsked) {
    AddEdit(2);
    heard.clear();
    store.Clear(false);
    EXPECT_EQ(heard, (std::vector<Avail>{{false, false}}));
    EXPECT_EQ(store.Count(), 0);
    EXPECT_EQ(store.Position(), 0);

    AddEdit(2);
    heard.clear();
    store.Clear(true);
    EXPECT_TRUE(heard.empty());
    EXPECT_FALSE(store.AvailUndo());
    EXPECT_FALSE(store.AvailRedo());
    EXPECT_EQ(store.UndoGet(), nullptr);
}

TEST_F(StoreTest, ClearedStoreStartsAFreshHistory) {
    AddEdit(3);
    store.Clear(false);
    std::mt19937 rng(99);
    const TBitmap32 other = RandomPicture(30, 20, rng);
    ASSERT_TRUE(store.AddBitmap(other, false));
    EXPECT_EQ(store.Count(), 1);
    EXPECT_FALSE(store.AvailUndo());
    ASSERT_TRUE(store.AddBitmap(pictures[1], false));
    const TBitmap32Ex* got = store.UndoGet();
    ASSERT_NE(got, nullptr);
    EXPECT_TRUE(SamePixels(*got, other));
}

TEST(StoreLifetime, DestructionDoesNotNotify) {
    int counter = 1;
    int calls = 0;
    {
        TStoreListBitmap32 store(counter);
        store.SetOnChangeState([&calls](bool, bool) { ++calls; });
        ASSERT_TRUE(store.AddBitmap(TBitmap32(8, 8), false));
        calls = 0;
    }
    EXPECT_EQ(calls, 0);
}

TEST_F(StoreTest, IdenticalPictureIsStillASnapshot) {
    AddEdit(1);
    ASSERT_TRUE(store.AddBitmap(pictures[1], false));
    EXPECT_EQ(store.Count(), 3);
    const TBitmap32Ex* got = store.UndoGet();
    ASSERT_NE(got, nullptr);
    EXPECT_TRUE(SamePixels(*got, pictures[1]));
}

TEST_F(StoreTest, EmptyPictureIsASnapshotLikeAnyOther) {
    // A zero-size picture between two of full size, both ways round.
    ASSERT_TRUE(store.AddBitmap(TBitmap32(), false));
    ASSERT_TRUE(store.AddBitmap(pictures[0], false));
    ASSERT_TRUE(store.AddBitmap(TBitmap32(), false));
    const TBitmap32Ex* got = store.UndoGet();
    ASSERT_NE(got, nullptr);
    EXPECT_TRUE(SamePixels(*got, pictures[0]));
    got = store.UndoGet();
    ASSERT_NE(got, nullptr);
    EXPECT_TRUE(got->Empty());
    got = store.RedoGet();
    ASSERT_NE(got, nullptr);
    EXPECT_TRUE(SamePixels(*got, pictures[0]));
}

TEST_F(StoreTest, ListenerMayReplaceItselfAndCallBack) {
    AddEdit(2);
    // The palette's handler may rebind the listener or ask the store again;
    // neither may pull the running listener from under itself.
    int inner = 0;
    store.SetOnChangeState([this, &inner](bool, bool) {
        store.SetOnChangeState([&inner](bool, bool) { ++inner; });
        EXPECT_NE(store.UndoGet(), nullptr);
    });
    EXPECT_EQ(store.RedoGet(), nullptr);  // at the newest: nothing, but notifies
    EXPECT_EQ(inner, 1);                  // the UndoGet made from inside
    EXPECT_EQ(store.Position(), 1);
    ASSERT_NE(store.RedoGet(), nullptr);
    EXPECT_EQ(inner, 2);
}

}  // namespace
}  // namespace lg
