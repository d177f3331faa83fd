// The capture window's shutter: the player, its library from the
// executable's folder and its volume keeper, played when an output takes
// the picture. Every failure is silence.
#pragma once

#include <windows.h>

#include <memory>

#include "sound/bass_player.h"
#include "sound/volume_control_thread.h"
#include "sound/win_bass_library.h"

namespace lg::win {

class ShutterSound {
public:
    ShutterSound();
    ~ShutterSound();

    // Loads "bass.dll" from the executable's folder and opens the output
    // for `window`; the result is ignored by the caller.
    bool Init(HWND window);
    // Opens "screenshoot.wav" beside the executable and plays it; never
    // raises, never waits for the sound.
    void Play();

    TBassPlayer& Player() { return BassPlayer; }

private:
    WinBassLibrary library_;
    TBassPlayer BassPlayer{library_};
    std::unique_ptr<TVolumeControlThread> volume_;
};

}  // namespace lg::win
