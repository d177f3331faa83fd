// The shutter sound's player over the audio library's entry points: open a
// file, play, pause, stop, seek, volume, mute, fades and an end-of-playback
// event. The volume tick is driven from outside (the shell's volume
// thread), which may sleep while no stream is open: the tick has nothing
// to do then.
#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

#include "sound/bass_functions.h"

namespace lg {

enum TBassPlayerMode { bsmOpen, bsmPlay, bsmPause, bsmClose };

// Raised by every operation that needs the library while it is not loaded.
class BassNotLoaded : public std::runtime_error {
public:
    BassNotLoaded();
};

// "Не найден компонент для воспроизведения аудио."
extern const char16_t kBassNotFoundText[];

class TBassPlayer {
public:
    explicit TBassPlayer(BassLibrary& library);
    ~TBassPlayer();
    TBassPlayer(const TBassPlayer&) = delete;
    TBassPlayer& operator=(const TBassPlayer&) = delete;

    // Loads the library, opens the default output for `window`, loads the
    // optional plug-ins beside it; the result of the library's Init (false
    // without the library). Never raises.
    bool Init(void* window);
    void FreeBass();

    std::uint32_t Open();
    bool Play();
    bool Pause();
    void Stop();
    bool Close();
    int ErrorCode() const;
    void ClearParams();
    void Lock() { FLocked = true; }
    void UnLock() { FLocked = false; }

    // One step of the volume keeper and the fades; every error swallowed.
    void VolumeTick();
    // Whether ticks can change anything: a stream is open.
    bool WantsVolumeTicks() const { return FMode != bsmClose; }
    // Called when a stream opens or closes, so a sleeping keeper wakes.
    std::function<void()> OnStreamStateChanged;

    std::u16string FileName;
    std::u16string BassLibraryName = u"bass.dll";
    std::function<void(TBassPlayer& sender)> OnEndPlaying;
    void* UserData = nullptr;

    std::int64_t Position() const;
    void SetPosition(std::int64_t ms);
    std::int64_t Length() const;
    TBassPlayerMode Mode() const { return FMode; }
    int Volume() const;
    void SetVolume(int v);
    bool Mute() const { return FMute; }
    void SetMute(bool m);
    int MaxVolume = 100;
    std::int64_t FaderIn = 0, FaderOut = 0;
    std::int64_t MinPosition = 0, MaxPosition = 0;
    bool IsBassLoaded() const { return FBassLoaded; }
    bool Locked() const { return FLocked; }

    std::uint32_t StreamHandle = 0;
    std::uint32_t PlaySync1 = 0, PlaySync2 = 0;
    std::uint32_t PluginWMA = 0, PluginFLAC = 0;

private:
    void Check() const;
    void EndPlaying(std::uint32_t channel);
    static void SyncProc(std::uint32_t, std::uint32_t, std::uint32_t, void* user);
    void StreamStateChanged();

    BassLibrary& library_;
    BassFunctions bass_;
    bool moduleLoaded_ = false;
    bool FBassLoaded = false;
    TBassPlayerMode FMode = bsmClose;
    int FVolume = 100;
    int FMuteVolume = 100;
    bool FMute = false;
    bool FLocked = false;
};

}  // namespace lg
