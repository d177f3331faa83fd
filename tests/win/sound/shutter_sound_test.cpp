// The shutter's pieces on Windows: the program's own audio library loaded
// by path with every entry point the player binds, and the volume keeper
// that sleeps while no stream is open.
#include <gtest/gtest.h>

#include <string>

#include "output/message_pump.h"
#include "platform/u16.h"
#include "sound/bass_player.h"
#include "sound/volume_control_thread.h"
#include "sound/win_bass_library.h"
#include "support/fake_bass.h"

namespace lg::win {
namespace {

std::u16string DistFile(const wchar_t* name) {
    return std::u16string(AsU16(std::wstring(LUMIGRAB_DIST_DIR L"/") + name));
}

TEST(OwnAudioLibrary, BindsEveryEntryPointAndRefusesPlugins) {
    WinBassLibrary library;
    TBassPlayer player(library);
    player.BassLibraryName = DistFile(L"bass.dll");
    const bool deviceOpened = player.Init(nullptr);
    EXPECT_TRUE(player.IsBassLoaded()) << "all the entry points found by their plain names";
    EXPECT_EQ(player.PluginWMA, 0u);
    EXPECT_EQ(player.PluginFLAC, 0u);

    player.FileName = DistFile(L"screenshoot.wav");
    const std::uint32_t stream = player.Open();
    if (!deviceOpened) {
        // No output device here: quiet failure, nothing raised.
        EXPECT_EQ(stream, 0u);
        EXPECT_FALSE(player.Play());
        GTEST_SKIP() << "no audio output device under this Wine";
    }
    ASSERT_NE(stream, 0u);
    EXPECT_GT(player.Length(), 100);
    EXPECT_LT(player.Length(), 300) << "a short click";
    int ended = 0;
    player.OnEndPlaying = [&](TBassPlayer&) { ++ended; };
    ASSERT_TRUE(player.Play());
    // The end arrives on this thread, through its message queue.
    test::PumpUntil([&] { return ended > 0; }, 5000);
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(player.Mode(), bsmClose);
    // The device's own buffer still holds the end of the click.
    test::PumpFor(1000);
}

TEST(OwnAudioLibrary, AMissingLibraryIsSilenceNotACrash) {
    WinBassLibrary library;
    TBassPlayer player(library);
    player.BassLibraryName = DistFile(L"no-such.dll");
    EXPECT_FALSE(player.Init(nullptr));
    EXPECT_FALSE(player.IsBassLoaded());
    EXPECT_THROW(player.Open(), BassNotLoaded);
}

TEST(VolumeControlThread, SleepsWithoutAStreamAndKeepsTheVolumeWithOne) {
    lg::test::FakeBass bass;
    TBassPlayer player(bass);
    player.Init(nullptr);
    player.FileName = u"C:\\app\\shot.wav";
    TVolumeControlThread keeper(player);
    ASSERT_TRUE(keeper.Running());

    test::PumpFor(400);
    EXPECT_EQ(keeper.Ticks(), 0) << "no stream, no wake-ups";

    const std::uint32_t stream = player.Open();
    bass.volume[stream] = 0.25f;  // something lowered it
    test::PumpUntil([&] { return bass.volume[stream] == 1.0f; }, 2000);
    EXPECT_EQ(bass.volume[stream], 1.0f) << "the keeper restored the full volume";
    EXPECT_GT(keeper.Ticks(), 0);

    player.Close();
    test::PumpFor(100);  // a tick already asked for may still arrive
    const int afterClose = keeper.Ticks();
    test::PumpFor(400);
    EXPECT_EQ(keeper.Ticks(), afterClose) << "asleep again";
}

}  // namespace
}  // namespace lg::win
