// The player over a fake audio library: loading and its failures, the
// modes, open and play as the capture window uses them, the end and
// position notifications, volume, mute and the fades' arithmetic.
#include "sound/bass_player.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/fake_bass.h"

namespace lg {
namespace {

using test::FakeBass;

bool Called(const FakeBass& bass, std::string_view what) {
    return std::any_of(bass.calls.begin(), bass.calls.end(),
                       [&](const std::string& c) { return c.rfind(what, 0) == 0; });
}

struct Loaded {
    FakeBass bass;
    TBassPlayer player{bass};
    explicit Loaded(bool init = true) {
        if (init) player.Init(nullptr);
        player.FileName = u"C:\\app\\shot.wav";
    }
};

TEST(BassPlayerInit, TheDefaultDeviceAt44100AndThePluginsBesideTheLibrary) {
    Loaded p(false);
    p.bass.files.insert(u"C:\\app\\bassflac.dll");
    p.player.BassLibraryName = u"C:\\app\\bass.dll";
    p.bass.files.insert(u"C:\\app\\bass.dll");
    EXPECT_TRUE(p.player.Init(nullptr));
    EXPECT_TRUE(p.player.IsBassLoaded());
    EXPECT_TRUE(Called(p.bass, "Init -1 44100"));
    EXPECT_EQ(p.player.PluginWMA, 0u) << "no basswma.dll there";
    EXPECT_NE(p.player.PluginFLAC, 0u);

    p.player.FreeBass();
    EXPECT_FALSE(p.player.IsBassLoaded());
    EXPECT_EQ(p.bass.unloads, 1);
    EXPECT_TRUE(Called(p.bass, "Free"));
}

struct LoadCase {
    const char* name;
    bool fileThere, loadable, deviceOpens;
    const char* missing;  // an entry point the library lacks, or null
    bool initResult, loaded;
};
void PrintTo(const LoadCase& c, std::ostream* os) {
    *os << c.name;
}

class BassPlayerLoadTest : public testing::TestWithParam<LoadCase> {};

TEST_P(BassPlayerLoadTest, WhatInitGivesAndWhetherPlayingIsPossible) {
    const LoadCase& c = GetParam();
    Loaded p(false);
    if (!c.fileThere) p.bass.files.erase(u"bass.dll");
    p.bass.loadable = c.loadable;
    p.bass.deviceOpens = c.deviceOpens;
    if (c.missing) p.bass.missing.push_back(c.missing);
    EXPECT_EQ(p.player.Init(nullptr), c.initResult);
    EXPECT_EQ(p.player.IsBassLoaded(), c.loaded);
    if (!c.loaded) {
        EXPECT_THROW(p.player.Open(), BassNotLoaded);
        EXPECT_THROW(p.player.Play(), BassNotLoaded);
        EXPECT_THROW(p.player.SetVolume(50), BassNotLoaded);
        EXPECT_FALSE(p.player.Close()) << "nothing open, nothing to check";
    } else if (!c.deviceOpens) {
        EXPECT_EQ(p.player.Open(), 0u) << "no device: quiet failure";
        EXPECT_FALSE(p.player.Play());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BassPlayerLoadTest,
    testing::Values(LoadCase{"noFile", false, true, true, nullptr, false, false},
                    LoadCase{"notALibrary", true, false, true, nullptr, false, false},
                    LoadCase{"noDevice", true, true, false, nullptr, false, true},
                    LoadCase{"lacksPlay", true, true, true, "ChannelPlay", true, false},
                    LoadCase{"lacksInit", true, true, true, "Init", false, false},
                    LoadCase{"lacksOnlyErrorCode", true, true, true, "ErrorGetCode", true, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BassPlayer, ErrorCodeWithoutTheEntryPoint) {
    Loaded p;
    EXPECT_EQ(p.player.ErrorCode(), 2);
    Loaded lacking(false);
    lacking.bass.missing.push_back("ErrorGetCode");
    lacking.player.Init(nullptr);
    EXPECT_EQ(lacking.player.ErrorCode(), kBassErrorNotBound);
}

TEST(BassPlayer, ModesThroughOpenPlayPauseStopClose) {
    Loaded p;
    EXPECT_EQ(p.player.Mode(), bsmClose);
    EXPECT_FALSE(p.player.Play()) << "nothing open";
    const std::uint32_t stream = p.player.Open();
    ASSERT_NE(stream, 0u);
    EXPECT_EQ(p.player.Mode(), bsmOpen);
    EXPECT_TRUE(p.player.Play());
    EXPECT_EQ(p.player.Mode(), bsmPlay);
    EXPECT_TRUE(p.player.Pause());
    EXPECT_EQ(p.player.Mode(), bsmPause);
    p.bass.position[stream] = 88200;  // half a second in
    p.player.Stop();
    EXPECT_EQ(p.player.Mode(), bsmPause);
    EXPECT_EQ(p.player.Position(), 0);
    EXPECT_TRUE(p.player.Close());
    EXPECT_EQ(p.player.Mode(), bsmClose);
    EXPECT_EQ(p.player.StreamHandle, 0u);
    EXPECT_TRUE(p.bass.syncs.empty()) << "the notifications went with the stream";
}

TEST(BassPlayer, AMissingFileStaysClosed) {
    Loaded p;
    p.player.FileName = u"C:\\app\\none.wav";
    EXPECT_EQ(p.player.Open(), 0u);
    EXPECT_EQ(p.player.Mode(), bsmClose);
    EXPECT_FALSE(p.player.Play());
    EXPECT_FALSE(p.player.Locked()) << "the lock is cleared on every way out";
}

TEST(BassPlayer, ASecondOpenCutsTheFirstSound) {
    Loaded p;
    const std::uint32_t first = p.player.Open();
    ASSERT_TRUE(p.player.Play());
    const std::uint32_t second = p.player.Open();
    EXPECT_NE(second, first);
    EXPECT_EQ(p.bass.streams.count(first), 0u) << "freed";
    EXPECT_EQ(p.player.Mode(), bsmOpen);
}

TEST(BassPlayer, TheEndNotificationClosesAndTellsTheOwner) {
    Loaded p;
    int ended = 0;
    p.player.OnEndPlaying = [&](TBassPlayer& sender) {
        EXPECT_EQ(&sender, &p.player);
        ++ended;
    };
    const std::uint32_t stream = p.player.Open();
    ASSERT_TRUE(p.player.Play());
    p.bass.FireSyncs(stream);
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(p.player.Mode(), bsmClose);
}

TEST(BassPlayer, ALateNotificationOfAReplacedStreamIsIgnored) {
    Loaded p;
    int ended = 0;
    p.player.OnEndPlaying = [&](TBassPlayer&) { ++ended; };
    const std::uint32_t first = p.player.Open();
    ASSERT_TRUE(p.player.Play());
    // Kept as the library's thread may still hold it when the next Open runs.
    const auto stale = p.bass.syncs;
    p.player.Open();
    ASSERT_TRUE(p.player.Play());
    for (const auto& [id, s] : stale) {
        if (s.stream == first) s.proc(id, first, 0, s.user);
    }
    EXPECT_EQ(ended, 0);
    EXPECT_EQ(p.player.Mode(), bsmPlay) << "the new sound plays on";
}

TEST(BassPlayer, MaxPositionNotificationPlacedByOpenOnly) {
    Loaded p;
    p.player.MaxPosition = 500;
    p.player.Open();
    EXPECT_TRUE(Called(p.bass, "ChannelSetSync 2 0"));
    EXPECT_TRUE(Called(p.bass, "ChannelSetSync 0 88200")) << "half a second in bytes";
    EXPECT_NE(p.player.PlaySync2, 0u);
    p.player.Close();
    EXPECT_EQ(p.player.MaxPosition, 0) << "Close forgets the marks";

    // Beyond the stream's length, or set after Open: no position notification.
    p.bass.calls.clear();
    p.player.MaxPosition = 5000;
    p.player.Open();
    EXPECT_EQ(p.player.PlaySync2, 0u);
    p.player.MaxPosition = 500;
    EXPECT_FALSE(Called(p.bass, "ChannelSetSync 0"));
}

TEST(BassPlayer, FadesLongerThanTheSpanAreHalvedByOpen) {
    Loaded p;
    p.player.MinPosition = 100;
    p.player.MaxPosition = 1101;
    p.player.FaderIn = 800;
    p.player.FaderOut = 400;
    p.player.Open();
    EXPECT_EQ(p.player.FaderIn, 500) << "1001 / 2, truncated";
    EXPECT_EQ(p.player.FaderOut, 500);
}

TEST(BassPlayer, VolumeMuteAndClamping) {
    Loaded p;
    EXPECT_EQ(p.player.Volume(), 100) << "without a stream: the stored volume";
    const std::uint32_t stream = p.player.Open();
    p.player.SetVolume(40);
    EXPECT_FLOAT_EQ(p.bass.volume[stream], 0.4f);
    EXPECT_EQ(p.player.Volume(), 40);
    p.player.SetVolume(250);
    EXPECT_FLOAT_EQ(p.bass.volume[stream], 1.0f) << "clamped";
    p.player.SetVolume(60);
    p.player.SetMute(true);
    EXPECT_FLOAT_EQ(p.bass.volume[stream], 0.0f);
    EXPECT_EQ(p.player.Volume(), 0);
    p.player.SetMute(false);
    EXPECT_EQ(p.player.Volume(), 60) << "the level before the mute comes back";
}

struct FadeCase {
    const char* name;
    std::int64_t posMs;
    int maxVolume;
    int expected;
};
void PrintTo(const FadeCase& c, std::ostream* os) {
    *os << c.name;
}

class BassPlayerFadeTest : public testing::TestWithParam<FadeCase> {};

// A span of 1000 ms from 0 with a 400 ms fade-in and a 400 ms fade-out.
TEST_P(BassPlayerFadeTest, TheTickSetsTheFadedVolume) {
    const FadeCase& c = GetParam();
    Loaded p;
    p.bass.streamSeconds = 2.0;
    p.player.MaxPosition = 1000;
    p.player.FaderIn = 400;
    p.player.FaderOut = 400;
    const std::uint32_t stream = p.player.Open();
    p.player.MaxVolume = c.maxVolume;
    p.bass.position[stream] =
        static_cast<std::uint64_t>(c.posMs * FakeBass::kBytesPerSecond / 1000);
    p.player.VolumeTick();
    EXPECT_EQ(p.player.Volume(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BassPlayerFadeTest,
    testing::Values(FadeCase{"start", 0, 100, 0}, FadeCase{"quarterIn", 100, 100, 25},
                    // 2 ms of 400 is 0.5 %: halves go to the even neighbour.
                    FadeCase{"halfPercentRoundsToEven", 398, 100, 100},
                    FadeCase{"oneAndAHalfPercent", 394, 100, 98},
                    FadeCase{"fadeInEnd", 400, 100, 100}, FadeCase{"middle", 500, 100, 100},
                    FadeCase{"fadeOutStart", 600, 100, 100},
                    FadeCase{"threeQuarters", 900, 100, 25}, FadeCase{"end", 1000, 100, 0},
                    FadeCase{"middleAtMaxVolume50", 500, 50, 50},
                    FadeCase{"quarterAtMaxVolume50", 100, 50, 12}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BassPlayer, TheKeeperRestoresMaxVolumeOnlyWithAStreamAndNotWhileLocked) {
    Loaded p;
    const std::uint32_t stream = p.player.Open();
    p.bass.volume[stream] = 0.3f;
    p.player.Lock();
    p.player.VolumeTick();
    EXPECT_EQ(p.player.Volume(), 30);
    p.player.UnLock();
    p.player.VolumeTick();
    EXPECT_EQ(p.player.Volume(), 100);
}

TEST(BassPlayer, TheKeeperIsToldWhenAStreamOpensAndCloses) {
    Loaded p;
    std::vector<bool> seen;
    p.player.OnStreamStateChanged = [&] { seen.push_back(p.player.WantsVolumeTicks()); };
    EXPECT_FALSE(p.player.WantsVolumeTicks());
    p.player.Open();
    p.player.Close();
    p.player.FileName = u"C:\\app\\none.wav";
    p.player.Open();  // fails: nothing to tell
    EXPECT_EQ(seen, (std::vector<bool>{true, false}));
}

TEST(BassPlayer, ATickWithoutTheLibraryOrWithAZeroFadeDoesNothing) {
    Loaded none(false);
    none.bass.loadable = false;
    none.player.Init(nullptr);
    none.player.VolumeTick();  // raises inside, swallowed
    Loaded p;
    const std::uint32_t stream = p.player.Open();
    p.player.FaderIn = 300;  // after Open: no fade-out, no end mark
    p.bass.volume[stream] = 0.7f;
    p.player.VolumeTick();
    EXPECT_EQ(p.player.Volume(), 70) << "a zero-length fade-out divides by zero: nothing";
}

}  // namespace
}  // namespace lg
