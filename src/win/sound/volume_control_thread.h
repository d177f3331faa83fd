// The player's volume keeper: a thread that asks for a volume tick on the
// GUI thread every 55 ms while a stream is open, and sleeps on an event
// otherwise (the tick has nothing to do then), so an idle program is not
// woken eighteen times a second.
#pragma once

#include <windows.h>

#include <atomic>

#include "platform/handles.h"
#include "platform/window.h"
#include "sound/bass_player.h"

namespace lg::win {

class TVolumeControlThread : private Window {
public:
    static constexpr DWORD kTickMs = 55;

    explicit TVolumeControlThread(TBassPlayer& player);
    ~TVolumeControlThread() override;
    TVolumeControlThread(const TVolumeControlThread&) = delete;
    TVolumeControlThread& operator=(const TVolumeControlThread&) = delete;

    // A stream opened or closed: wake up and look again.
    void Wake();
    // Ticks asked for so far (for tests).
    int Ticks() const { return ticks_.load(); }
    bool Running() const { return thread_ != nullptr; }

private:
    static DWORD WINAPI Run(void* self);
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

    TBassPlayer* FBassPlayer;
    UniqueHandle<HANDLE, KernelHandleTraits> wake_, stop_;
    HANDLE thread_ = nullptr;
    std::atomic<bool> wantTicks_{false};
    std::atomic<bool> tickQueued_{false};
    std::atomic<int> ticks_{0};
};

}  // namespace lg::win
